#pragma once
// The SHA-256 compression function of FIPS 180-4, section 6.2.2. Sha256Compress
// folds one block already in big-endian word form into the chaining value;
// Sha256CompressBlocks folds whole 64-byte blocks of raw input (any alignment),
// on the SHA extensions where usable. Both paths give the same result.

#include <cstddef>
#include <cstdint>
#include <span>

// FIPS 180-4, sections 5.3.3 and 4.2.2.
inline constexpr std::uint32_t kSha256InitialState[8] = {
    0x6A09E667, 0xBB67AE85, 0x3C6EF372, 0xA54FF53A, 0x510E527F, 0x9B05688C, 0x1F83D9AB, 0x5BE0CD19};
extern const std::uint32_t kSha256RoundConstants[64];

void Sha256Compress(std::span<std::uint32_t, 8> state, std::span<const std::uint32_t, 16> block);

// Folds `count` consecutive 64-byte blocks starting at `blocks`.
using Sha256BlocksFunction = void (*)(std::span<std::uint32_t, 8> state, const std::uint8_t* blocks,
                                      std::size_t count);

void Sha256CompressBlocks(std::span<std::uint32_t, 8> state, const std::uint8_t* blocks,
                          std::size_t count);
void Sha256CompressBlocksPortable(std::span<std::uint32_t, 8> state, const std::uint8_t* blocks,
                                  std::size_t count);
