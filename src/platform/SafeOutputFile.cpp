#include "platform/SafeOutputFile.h"

#include "platform/FileFaults.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kCreateAttempts = 100;
// Leaves room for the dot and the suffix within the 255 bytes of a file name.
constexpr std::size_t kLongestNameKept = 200;

struct SplitPath {
    std::string folder; // with its trailing '/', or empty for the working folder
    std::string name;
};

SplitPath Split(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {{}, path};
    }
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// Cut at a character boundary, so the hidden name stays valid UTF-8.
std::string_view Shortened(std::string_view name) {
    if (name.size() <= kLongestNameKept) {
        return name;
    }
    std::size_t end = kLongestNameKept;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
        --end;
    }
    return name.substr(0, end);
}

std::string UniqueSuffix() {
    std::uint64_t value = 0;
    if (getrandom(&value, sizeof value, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof value)) {
        // Uniqueness, not secrecy: O_EXCL catches any clash.
        static std::atomic<std::uint64_t> counter{0};
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        value = (static_cast<std::uint64_t>(getpid()) << 40) ^
                static_cast<std::uint64_t>(now.tv_nsec) ^ (++counter << 20);
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::optional<mode_t> UmaskFromProcStatus() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("Umask:")) {
            const auto first = line.find_first_not_of(" \t", 6);
            unsigned mask = 0;
            if (first == std::string::npos ||
                std::from_chars(line.data() + first, line.data() + line.size(), mask, 8).ec !=
                    std::errc()) {
                return std::nullopt;
            }
            return static_cast<mode_t>(mask & 0777);
        }
    }
    return std::nullopt;
}

void SyncFolderOf(const std::string& path) {
    const std::string folder = Split(path).folder;
    const int descriptor =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        // Only makes the new name durable sooner; some file systems cannot, which is no fault.
        (void)::fsync(descriptor);
        ::close(descriptor);
    }
}

bool SyncData(int descriptor) {
    int result;
    do {
        result = ::fdatasync(descriptor);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

} // namespace

mode_t CurrentUmask() {
    if (const auto mask = UmaskFromProcStatus()) {
        return *mask;
    }
    // Racy against threads creating files meanwhile, hence only the fallback.
    const mode_t mask = ::umask(0077);
    ::umask(mask);
    return mask;
}

SafeOutputFile::~SafeOutputFile() {
    Abandon();
}

SafeOutputFile::SafeOutputFile(SafeOutputFile&& other) noexcept
    : file_(std::move(other.file_)), outputPath_(std::move(other.outputPath_)),
      temporaryPath_(std::exchange(other.temporaryPath_, {})) {}

SafeOutputFile& SafeOutputFile::operator=(SafeOutputFile&& other) noexcept {
    if (this != &other) {
        Abandon();
        file_ = std::move(other.file_);
        outputPath_ = std::move(other.outputPath_);
        temporaryPath_ = std::exchange(other.temporaryPath_, {});
    }
    return *this;
}

SafeOutputFile SafeOutputFile::Create(const std::string& outputPath) {
    SafeOutputFile output;
    if (NextFileFault(FileOperation::Create)) {
        errno = EIO;
        return output;
    }
    const SplitPath parts = Split(outputPath);
    if (parts.name.empty() || parts.name == "." || parts.name == "..") {
        errno = EISDIR;
        return output;
    }
    // Found now rather than after the whole output has been written.
    if (struct stat status{}; ::stat(outputPath.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        errno = EISDIR;
        return output;
    }
    const std::string stem = parts.folder + "." + std::string(Shortened(parts.name)) + ".";
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        std::string candidate = stem + UniqueSuffix();
        const int descriptor =
            ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (descriptor >= 0) {
            output.file_ = FileHandle(descriptor);
            output.outputPath_ = outputPath;
            output.temporaryPath_ = std::move(candidate);
            return output;
        }
        if (errno != EEXIST && errno != EINTR) {
            return output;
        }
    }
    return output;
}

bool SafeOutputFile::Commit() {
    if (!IsOpen()) {
        errno = EBADF;
        return false;
    }
    if (!Finish()) {
        const int error = errno;
        Abandon();
        errno = error;
        return false;
    }
    temporaryPath_.clear();
    SyncFolderOf(outputPath_);
    return true;
}

bool SafeOutputFile::Finish() {
    if (NextFileFault(FileOperation::Commit)) {
        errno = EIO;
        return false;
    }
    const int descriptor = file_.Descriptor();
    const auto mode = static_cast<mode_t>(0666 & ~CurrentUmask());
    return SyncData(descriptor) && ::fchmod(descriptor, mode) == 0 && file_.CloseChecked() &&
           ::rename(temporaryPath_.c_str(), outputPath_.c_str()) == 0;
}

void SafeOutputFile::Abandon() {
    file_.Close();
    if (!temporaryPath_.empty()) {
        ::unlink(temporaryPath_.c_str());
        temporaryPath_.clear();
    }
}
