#pragma once
// The FIPS 197 key expansion for AES-192 (52 words, 13 round keys) done with
// the AESKEYGENASSIST instruction, so in constant time. The round keys are
// laid out in the byte order the AES instructions read. Caller wipes them.

#include "crypto/Aes192CtrImpl.h"

#include <array>
#include <cstdint>
#include <span>

#ifdef QMX_AES192_CTR_X86

struct alignas(16) Aes192RoundKeys {
    static constexpr std::size_t kRounds = 12;
    // Each word holds four key bytes in memory order.
    std::array<std::uint32_t, 4 * (kRounds + 1)> words;
};

// The processor must have AES-NI.
void ExpandAes192KeyNi(std::span<const std::uint8_t, 24> key, Aes192RoundKeys& keys);

#endif
