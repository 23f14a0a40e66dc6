// AES-192 counter mode with AES-NI, eight 128-bit blocks in flight to cover
// the latency of AESENC.

#include "crypto/Aes192CtrHardwareWalk.h"

#ifdef QMX_AES192_CTR_X86

#include <immintrin.h>

#define QMX_TARGET_AESNI __attribute__((target("aes,sse4.1")))

namespace {

constexpr std::size_t kLanes = 8;
constexpr std::size_t kBatchBytes = kLanes * 16;

using Lanes = __m128i[kLanes];

QMX_TARGET_AESNI inline __m128i RoundKey(const Aes192RoundKeys& keys, std::size_t round) {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(keys.words.data() + 4 * round));
}

// The counter is native-endian in the register; the block is big-endian.
QMX_TARGET_AESNI inline __m128i BigEndianBlock(__m128i counter) {
    return _mm_shuffle_epi8(counter,
                            _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
}

QMX_TARGET_AESNI inline __m128i CounterRegister(const Aes192CtrCounter& counter) {
    return _mm_set_epi64x(static_cast<long long>(counter.high),
                          static_cast<long long>(counter.low));
}

QMX_TARGET_AESNI inline void CounterLanes(Aes192CtrCounter counter, Lanes& blocks) {
    if (counter.NoCarryWithin(kLanes)) {
        const __m128i base = CounterRegister(counter);
#pragma GCC unroll 8
        for (std::size_t i = 0; i < kLanes; ++i) {
            const __m128i step = _mm_set_epi64x(0, static_cast<long long>(i));
            blocks[i] = BigEndianBlock(_mm_add_epi64(base, step));
        }
        return;
    }
    for (std::size_t i = 0; i < kLanes; ++i) {
        blocks[i] = BigEndianBlock(CounterRegister(counter));
        counter.Advance(1);
    }
}

QMX_TARGET_AESNI inline void EncryptLanes(const Aes192RoundKeys& keys, Lanes& blocks) {
    const __m128i first = RoundKey(keys, 0);
#pragma GCC unroll 8
    for (std::size_t i = 0; i < kLanes; ++i) {
        blocks[i] = _mm_xor_si128(blocks[i], first);
    }
#pragma GCC unroll 11
    for (std::size_t round = 1; round < Aes192RoundKeys::kRounds; ++round) {
        const __m128i key = RoundKey(keys, round);
#pragma GCC unroll 8
        for (std::size_t i = 0; i < kLanes; ++i) {
            blocks[i] = _mm_aesenc_si128(blocks[i], key);
        }
    }
    const __m128i last = RoundKey(keys, Aes192RoundKeys::kRounds);
#pragma GCC unroll 8
    for (std::size_t i = 0; i < kLanes; ++i) {
        blocks[i] = _mm_aesenclast_si128(blocks[i], last);
    }
}

QMX_TARGET_AESNI void XorBatches(const Aes192RoundKeys& keys, Aes192CtrCounter& counter,
                                 std::uint8_t* data, std::size_t batches) {
    for (; batches != 0; --batches, data += kBatchBytes) {
        Lanes blocks;
        CounterLanes(counter, blocks);
        EncryptLanes(keys, blocks);
#pragma GCC unroll 8
        for (std::size_t i = 0; i < kLanes; ++i) {
            auto* p = reinterpret_cast<__m128i*>(data + 16 * i);
            _mm_storeu_si128(p, _mm_xor_si128(_mm_loadu_si128(p), blocks[i]));
        }
        counter.Advance(kLanes);
    }
}

QMX_TARGET_AESNI void KeystreamBatch(const Aes192RoundKeys& keys, const Aes192CtrCounter& counter,
                                     std::uint8_t* keystream) {
    Lanes blocks;
    CounterLanes(counter, blocks);
    EncryptLanes(keys, blocks);
    for (std::size_t i = 0; i < kLanes; ++i) {
        _mm_store_si128(reinterpret_cast<__m128i*>(keystream + 16 * i), blocks[i]);
    }
}

} // namespace

void Aes192CtrNiXor(std::span<const std::uint8_t, 16> iv, std::span<const std::uint8_t, 24> key,
                    std::span<std::uint8_t> buffer, std::uint32_t offset) {
    Aes192CtrHardwareXor<kBatchBytes, &XorBatches, &KeystreamBatch>(iv, key, buffer, offset);
}

#endif
