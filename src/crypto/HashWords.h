#pragma once
// Big-endian word loads and stores shared by the SHA-1 and SHA-256 code
// (FIPS 180-4 reads a block as most-significant-byte-first words). Byte-wise,
// so any alignment works and a load may run in place over its own words.

#include <cstddef>
#include <cstdint>

inline std::uint32_t LoadBigEndian32(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

inline void StoreBigEndian32(std::uint8_t* bytes, std::uint32_t word) {
    bytes[0] = static_cast<std::uint8_t>(word >> 24);
    bytes[1] = static_cast<std::uint8_t>(word >> 16);
    bytes[2] = static_cast<std::uint8_t>(word >> 8);
    bytes[3] = static_cast<std::uint8_t>(word);
}

// `bytes` may be the very storage of `words`: word i depends on bytes 4i..4i+3 only.
inline void LoadBigEndianWords(std::uint32_t* words, const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        words[i] = LoadBigEndian32(bytes + 4 * i);
    }
}

inline void StoreBigEndianWords(std::uint8_t* bytes, const std::uint32_t* words,
                                std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        StoreBigEndian32(bytes + 4 * i, words[i]);
    }
}
