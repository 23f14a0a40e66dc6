#pragma once
// The questions about paths that the file job driver asks, answered by stat(2) following
// symbolic links. "Read-only" stands for the Windows attribute: no write permission bit set.
// On failure errno says why. Every call passes the fault seam of FileFaults.h (Query, Delete).

#include <cstdint>
#include <optional>
#include <string>

struct PathStatus {
    bool isFolder;
    bool isReadOnly;
    std::uint64_t size;
};

// Nothing when the path's status cannot be read, as when it does not exist.
[[nodiscard]] std::optional<PathStatus> QueryPath(const std::string& path);

// Whether anything stands at path, even a file that cannot be read or a dangling link.
[[nodiscard]] bool PathExists(const std::string& path);
[[nodiscard]] bool IsFolder(const std::string& path);
[[nodiscard]] bool IsReadOnly(const std::string& path);
[[nodiscard]] std::optional<std::uint64_t> FileSizeOf(const std::string& path);

// Gives the owner write permission; true also when the path was writable already.
[[nodiscard]] bool ClearReadOnly(const std::string& path);

// Removes a file (not a folder).
[[nodiscard]] bool DeleteFile(const std::string& path);
