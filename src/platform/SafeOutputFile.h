#pragma once
// An output file that appears complete or not at all. It is written as a new hidden file in
// the output's own folder (mode 0600 meanwhile) and only Commit() flushes it to disk, gives it
// the permissions of a newly created file (0666 less the umask) and renames it over whatever
// stood at the output path. Destroyed or abandoned without a successful commit, it removes the
// hidden file, so no failure or cancel leaves a partial output or costs the file it replaces.

#include "platform/FileHandle.h"

#include <string>
#include <sys/types.h>

class SafeOutputFile {
public:
    SafeOutputFile() = default;
    ~SafeOutputFile();
    SafeOutputFile(SafeOutputFile&& other) noexcept;
    SafeOutputFile& operator=(SafeOutputFile&& other) noexcept;
    SafeOutputFile(const SafeOutputFile&) = delete;
    SafeOutputFile& operator=(const SafeOutputFile&) = delete;

    // A closed object when the folder of outputPath takes no new file (errno says why).
    [[nodiscard]] static SafeOutputFile Create(const std::string& outputPath);

    [[nodiscard]] bool IsOpen() const { return file_.IsOpen(); }

    // Open for writing, reading back and positioning until the commit.
    [[nodiscard]] FileHandle& File() { return file_; }

    // On failure the hidden file is gone too, and whatever stood at the output path remains.
    [[nodiscard]] bool Commit();
    void Abandon();

    [[nodiscard]] const std::string& OutputPath() const { return outputPath_; }
    [[nodiscard]] const std::string& TemporaryPath() const { return temporaryPath_; }

private:
    // Flush, final permissions, close, rename; errno says why one failed.
    [[nodiscard]] bool Finish();

    FileHandle file_;
    std::string outputPath_;
    std::string temporaryPath_;
};

// The process's file mode creation mask, read without changing it where the system allows.
[[nodiscard]] mode_t CurrentUmask();
