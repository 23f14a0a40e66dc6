#pragma once
// An open file, the POSIX stand-in for a Windows file handle: reads fill the buffer unless the
// file ends first, writes write every byte or fail, positions and sizes are 64-bit, and calls
// interrupted by signals are resumed. The descriptor closes with the object. On failure errno
// says why. Every call passes the fault seam of FileFaults.h.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int descriptor) : descriptor_(descriptor) {}
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    // An existing regular file, opened for reading while others may go on using it; a closed
    // handle when it cannot be opened or is a folder, a device or a pipe.
    [[nodiscard]] static FileHandle OpenForReading(const std::string& path);

    [[nodiscard]] bool IsOpen() const { return descriptor_ >= 0; }
    [[nodiscard]] int Descriptor() const { return descriptor_; }

    // The count of bytes read: all of buffer, or fewer where the file ends; nothing on an error.
    [[nodiscard]] std::optional<std::size_t> Read(std::span<std::uint8_t> buffer);
    // The same from a given offset, leaving the position alone: threads may read at once.
    [[nodiscard]] std::optional<std::size_t> ReadAt(std::uint64_t offset,
                                                    std::span<std::uint8_t> buffer);
    [[nodiscard]] bool WriteAll(std::span<const std::uint8_t> data);
    [[nodiscard]] bool SeekTo(std::uint64_t offset);
    [[nodiscard]] std::optional<std::uint64_t> Size() const;

    void Close();
    // For a file written: close can report a write the system had deferred.
    [[nodiscard]] bool CloseChecked();

private:
    int descriptor_ = -1;
};
