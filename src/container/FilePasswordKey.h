#pragma once
// The password key of one file operation, SHA-256 of the SHA-1 digest of the
// password bytes, wiped when the operation ends.

#include <array>
#include <cstdint>
#include <span>
#include <string>

class FilePasswordKey {
public:
    FilePasswordKey() = default;
    ~FilePasswordKey();
    FilePasswordKey(const FilePasswordKey&) = delete;
    FilePasswordKey& operator=(const FilePasswordKey&) = delete;

    // password holds the code-page bytes without terminator.
    void Derive(const std::string& password);
    [[nodiscard]] std::span<const std::uint8_t, 32> Bytes() const { return key_; }

private:
    std::array<std::uint8_t, 32> key_{};
};
