#include "platform/FileHandle.h"

#include "platform/FileFaults.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::size_t kLargestTransfer = SSIZE_MAX;

// True when the seam fails the call outright; a Short fault is the caller's to apply.
bool InjectedFailure(std::optional<FaultKind> fault) {
    if (fault == FaultKind::Fail) {
        errno = EIO;
        return true;
    }
    return false;
}

// One call of the file layer: the fault seam, then transfers until the buffer
// is full or the file ends. `transfer` reads `wanted` bytes at `done` bytes in.
template <typename Transfer>
std::optional<std::size_t> ReadFully(std::span<std::uint8_t> buffer, Transfer transfer) {
    const auto fault = NextFileFault(FileOperation::Read);
    if (InjectedFailure(fault)) {
        return std::nullopt;
    }
    if (fault == FaultKind::Short && !buffer.empty()) {
        buffer = buffer.first(std::max<std::size_t>(buffer.size() / 2, 1));
    }
    std::size_t total = 0;
    while (total < buffer.size()) {
        const std::size_t wanted = std::min(buffer.size() - total, kLargestTransfer);
        const ssize_t count = transfer(buffer.data() + total, wanted, total);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        total += static_cast<std::size_t>(count);
    }
    return total;
}

} // namespace

FileHandle::~FileHandle() {
    Close();
}

FileHandle::FileHandle(FileHandle&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        Close();
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

FileHandle FileHandle::OpenForReading(const std::string& path) {
    if (NextFileFault(FileOperation::Open)) {
        errno = EIO;
        return {};
    }
    // O_NONBLOCK so that a FIFO cannot hang the open; it is refused just below.
    int descriptor;
    do {
        descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        return {};
    }
    FileHandle file(descriptor);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return {};
    }
    if (!S_ISREG(status.st_mode)) {
        errno = S_ISDIR(status.st_mode) ? EISDIR : ENXIO;
        return {};
    }
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return {};
    }
    return file;
}

std::optional<std::size_t> FileHandle::Read(std::span<std::uint8_t> buffer) {
    return ReadFully(buffer, [this](std::uint8_t* data, std::size_t wanted, std::size_t) {
        return ::read(descriptor_, data, wanted);
    });
}

std::optional<std::size_t> FileHandle::ReadAt(std::uint64_t offset,
                                              std::span<std::uint8_t> buffer) {
    return ReadFully(
        buffer, [this, offset](std::uint8_t* data, std::size_t wanted, std::size_t done) {
            return ::pread(descriptor_, data, wanted, static_cast<off_t>(offset + done));
        });
}

bool FileHandle::WriteAll(std::span<const std::uint8_t> data) {
    const auto fault = NextFileFault(FileOperation::Write);
    if (InjectedFailure(fault)) {
        return false;
    }
    const bool cutShort = fault == FaultKind::Short;
    if (cutShort) {
        data = data.first(data.size() / 2);
    }
    std::size_t total = 0;
    while (total < data.size()) {
        const std::size_t wanted = std::min(data.size() - total, kLargestTransfer);
        const ssize_t count = ::write(descriptor_, data.data() + total, wanted);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (count == 0) {
            errno = EIO;
            return false;
        }
        total += static_cast<std::size_t>(count);
    }
    if (cutShort) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

bool FileHandle::SeekTo(std::uint64_t offset) {
    if (NextFileFault(FileOperation::Seek)) {
        errno = EIO;
        return false;
    }
    if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) {
        errno = EINVAL;
        return false;
    }
    return ::lseek(descriptor_, static_cast<off_t>(offset), SEEK_SET) >= 0;
}

std::optional<std::uint64_t> FileHandle::Size() const {
    if (NextFileFault(FileOperation::Size)) {
        errno = EIO;
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

void FileHandle::Close() {
    if (descriptor_ >= 0) {
        // Not retried on EINTR: Linux has released the descriptor whatever close answers.
        ::close(std::exchange(descriptor_, -1));
    }
}

bool FileHandle::CloseChecked() {
    if (descriptor_ < 0) {
        errno = EBADF;
        return false;
    }
    // On Linux the descriptor is released even when close answers EINTR.
    return ::close(std::exchange(descriptor_, -1)) == 0 || errno == EINTR;
}
