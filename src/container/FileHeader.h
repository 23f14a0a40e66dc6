#pragma once
// The 34-byte header in front of a file container's key block: the plain
// magic, then totalLength (u32, little-endian) and the container digest,
// which are stored scrambled as one region.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

inline constexpr std::size_t kFileHeaderSize = 34;
using FileHeader = std::array<std::uint8_t, kFileHeaderSize>;

namespace FileHeaderOffset {
inline constexpr std::size_t magic = 0;
inline constexpr std::size_t totalLength = 10;
inline constexpr std::size_t containerDigest = 14;
} // namespace FileHeaderOffset

// 0x42 0x96 "QMXENC" 0xF0 0xE7
inline constexpr std::array<std::uint8_t, 10> kFileMagic = {0x42, 0x96, 'Q', 'M',  'X',
                                                            'E',  'N',  'C', 0xF0, 0xE7};

// Bytes 10..33, the header's scrambled region.
inline constexpr std::size_t kFileHeaderScrambledOffset = FileHeaderOffset::totalLength;
inline constexpr std::size_t kFileHeaderScrambledSize =
    kFileHeaderSize - kFileHeaderScrambledOffset;

[[nodiscard]] inline bool HasFileMagic(std::span<const std::uint8_t, kFileHeaderSize> header) {
    for (std::size_t i = 0; i < kFileMagic.size(); ++i) {
        if (header[FileHeaderOffset::magic + i] != kFileMagic[i]) {
            return false;
        }
    }
    return true;
}

inline void SetFileMagic(std::span<std::uint8_t, kFileHeaderSize> header) {
    for (std::size_t i = 0; i < kFileMagic.size(); ++i) {
        header[FileHeaderOffset::magic + i] = kFileMagic[i];
    }
}

[[nodiscard]] inline std::span<std::uint8_t, kFileHeaderScrambledSize>
FileHeaderScrambledPart(std::span<std::uint8_t, kFileHeaderSize> header) {
    return header.subspan<kFileHeaderScrambledOffset, kFileHeaderScrambledSize>();
}
