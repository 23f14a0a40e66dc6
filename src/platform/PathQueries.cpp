#include "platform/PathQueries.h"

#include "platform/FileFaults.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

} // namespace

std::optional<PathStatus> QueryPath(const std::string& path) {
    if (NextFileFault(FileOperation::Query)) {
        errno = EIO;
        return std::nullopt;
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return PathStatus{S_ISDIR(status.st_mode), (status.st_mode & kAnyWrite) == 0,
                      static_cast<std::uint64_t>(status.st_size)};
}

bool PathExists(const std::string& path) {
    if (NextFileFault(FileOperation::Query)) {
        errno = EIO;
        return false;
    }
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

bool IsFolder(const std::string& path) {
    const auto status = QueryPath(path);
    return status && status->isFolder;
}

bool IsReadOnly(const std::string& path) {
    const auto status = QueryPath(path);
    return status && status->isReadOnly;
}

std::optional<std::uint64_t> FileSizeOf(const std::string& path) {
    const auto status = QueryPath(path);
    if (!status) {
        return std::nullopt;
    }
    return status->size;
}

bool ClearReadOnly(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return false;
    }
    if ((status.st_mode & kAnyWrite) != 0) {
        return true;
    }
    return ::chmod(path.c_str(), (status.st_mode & 07777) | S_IWUSR) == 0;
}

bool DeleteFile(const std::string& path) {
    if (NextFileFault(FileOperation::Delete)) {
        errno = EIO;
        return false;
    }
    return ::unlink(path.c_str()) == 0;
}
