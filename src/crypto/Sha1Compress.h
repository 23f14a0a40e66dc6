#pragma once
// The SHA-1 compression function of FIPS 180-4, section 6.1.2: folds one block
// of 16 words (already in big-endian value form) into the chaining value.
// Shared by the streaming routines and the SHA class.

#include <cstdint>
#include <span>

inline constexpr std::uint32_t kSha1InitialState[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE,
                                                       0x10325476, 0xC3D2E1F0};

void Sha1Compress(std::span<std::uint32_t, 5> state, std::span<const std::uint32_t, 16> block);
