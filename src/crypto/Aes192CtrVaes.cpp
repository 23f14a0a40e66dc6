// AES-192 counter mode with VAES: eight 256-bit vectors of two blocks each in
// flight to cover the latency of VAESENC.

#include "crypto/Aes192CtrHardwareWalk.h"

#ifdef QMX_AES192_CTR_X86

#include <immintrin.h>

#define QMX_TARGET_VAES __attribute__((target("vaes,avx2,aes")))

namespace {

constexpr std::size_t kLanes = 8;
constexpr std::size_t kBatchBytes = kLanes * 32;

using Lanes = __m256i[kLanes];

QMX_TARGET_VAES inline __m256i RoundKey(const Aes192RoundKeys& keys, std::size_t round) {
    return _mm256_broadcastsi128_si256(
        _mm_load_si128(reinterpret_cast<const __m128i*>(keys.words.data() + 4 * round)));
}

// The counters are native-endian in the register; the blocks are big-endian.
QMX_TARGET_VAES inline __m256i BigEndianBlocks(__m256i counters) {
    const __m128i reverse = _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    return _mm256_shuffle_epi8(counters, _mm256_broadcastsi128_si256(reverse));
}

QMX_TARGET_VAES inline __m128i CounterRegister(const Aes192CtrCounter& counter) {
    return _mm_set_epi64x(static_cast<long long>(counter.high),
                          static_cast<long long>(counter.low));
}

QMX_TARGET_VAES inline void CounterLanes(Aes192CtrCounter counter, Lanes& blocks) {
    if (counter.NoCarryWithin(2 * kLanes)) {
        // The upper half of each vector holds the later block.
        const __m256i base = _mm256_add_epi64(_mm256_broadcastsi128_si256(CounterRegister(counter)),
                                              _mm256_set_epi64x(0, 1, 0, 0));
#pragma GCC unroll 8
        for (std::size_t i = 0; i < kLanes; ++i) {
            const auto twice = static_cast<long long>(2 * i);
            const __m256i step = _mm256_set_epi64x(0, twice, 0, twice);
            blocks[i] = BigEndianBlocks(_mm256_add_epi64(base, step));
        }
        return;
    }
    for (std::size_t i = 0; i < kLanes; ++i) {
        const __m128i earlier = CounterRegister(counter);
        counter.Advance(1);
        const __m128i later = CounterRegister(counter);
        counter.Advance(1);
        blocks[i] = BigEndianBlocks(_mm256_set_m128i(later, earlier));
    }
}

QMX_TARGET_VAES inline void EncryptLanes(const Aes192RoundKeys& keys, Lanes& blocks) {
    const __m256i first = RoundKey(keys, 0);
#pragma GCC unroll 8
    for (std::size_t i = 0; i < kLanes; ++i) {
        blocks[i] = _mm256_xor_si256(blocks[i], first);
    }
#pragma GCC unroll 11
    for (std::size_t round = 1; round < Aes192RoundKeys::kRounds; ++round) {
        const __m256i key = RoundKey(keys, round);
#pragma GCC unroll 8
        for (std::size_t i = 0; i < kLanes; ++i) {
            blocks[i] = _mm256_aesenc_epi128(blocks[i], key);
        }
    }
    const __m256i last = RoundKey(keys, Aes192RoundKeys::kRounds);
#pragma GCC unroll 8
    for (std::size_t i = 0; i < kLanes; ++i) {
        blocks[i] = _mm256_aesenclast_epi128(blocks[i], last);
    }
}

QMX_TARGET_VAES void XorBatches(const Aes192RoundKeys& keys, Aes192CtrCounter& counter,
                                std::uint8_t* data, std::size_t batches) {
    for (; batches != 0; --batches, data += kBatchBytes) {
        Lanes blocks;
        CounterLanes(counter, blocks);
        EncryptLanes(keys, blocks);
#pragma GCC unroll 8
        for (std::size_t i = 0; i < kLanes; ++i) {
            auto* p = reinterpret_cast<__m256i*>(data + 32 * i);
            _mm256_storeu_si256(p, _mm256_xor_si256(_mm256_loadu_si256(p), blocks[i]));
        }
        counter.Advance(2 * kLanes);
    }
}

QMX_TARGET_VAES void KeystreamBatch(const Aes192RoundKeys& keys, const Aes192CtrCounter& counter,
                                    std::uint8_t* keystream) {
    Lanes blocks;
    CounterLanes(counter, blocks);
    EncryptLanes(keys, blocks);
    for (std::size_t i = 0; i < kLanes; ++i) {
        _mm256_store_si256(reinterpret_cast<__m256i*>(keystream + 32 * i), blocks[i]);
    }
}

} // namespace

void Aes192CtrVaesXor(std::span<const std::uint8_t, 16> iv, std::span<const std::uint8_t, 24> key,
                      std::span<std::uint8_t> buffer, std::uint32_t offset) {
    Aes192CtrHardwareXor<kBatchBytes, &XorBatches, &KeystreamBatch>(iv, key, buffer, offset);
}

#endif
