#pragma once
// The SHA-1 compression function of FIPS 180-4, section 6.1.2. Sha1Compress
// folds one block already in big-endian word form into the chaining value;
// Sha1CompressBlocks folds whole 64-byte blocks of raw input (any alignment),
// on the SHA extensions where usable. Both paths give the same result.

#include <cstddef>
#include <cstdint>
#include <span>

inline constexpr std::uint32_t kSha1InitialState[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE,
                                                       0x10325476, 0xC3D2E1F0};

void Sha1Compress(std::span<std::uint32_t, 5> state, std::span<const std::uint32_t, 16> block);

// Folds `count` consecutive 64-byte blocks starting at `blocks`.
using Sha1BlocksFunction = void (*)(std::span<std::uint32_t, 5> state, const std::uint8_t* blocks,
                                    std::size_t count);

void Sha1CompressBlocks(std::span<std::uint32_t, 5> state, const std::uint8_t* blocks,
                        std::size_t count);
void Sha1CompressBlocksPortable(std::span<std::uint32_t, 5> state, const std::uint8_t* blocks,
                                std::size_t count);
