#pragma once
// The implementations behind Aes192CtrApply, and the counter arithmetic they
// share. The hardware ones exist only on x86 builds that keep the fast paths.

#include <cstddef>
#include <cstdint>
#include <span>

#if !defined(QMX_PORTABLE_ONLY) && (defined(__x86_64__) || defined(__i386__))
#define QMX_AES192_CTR_X86 1
#endif

// Returns 0, or 1 with the buffer untouched when an allocation fails.
std::uint32_t Aes192CtrPortableXor(std::span<const std::uint8_t, 16> iv,
                                   std::span<const std::uint8_t, 24> key,
                                   std::span<std::uint8_t> buffer, std::uint32_t offset);

#ifdef QMX_AES192_CTR_X86
void Aes192CtrNiXor(std::span<const std::uint8_t, 16> iv, std::span<const std::uint8_t, 24> key,
                    std::span<std::uint8_t> buffer, std::uint32_t offset);
void Aes192CtrVaesXor(std::span<const std::uint8_t, 16> iv, std::span<const std::uint8_t, 24> key,
                      std::span<std::uint8_t> buffer, std::uint32_t offset);
#endif

// A 128-bit counter block as two native halves; arithmetic modulo 2^128.
struct Aes192CtrCounter {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    void Advance(std::uint64_t blocks) {
        const std::uint64_t sum = low + blocks;
        high += sum < low ? 1 : 0;
        low = sum;
    }
    // Whether this counter and the next blocks - 1 share one high half.
    [[nodiscard]] bool NoCarryWithin(std::uint64_t blocks) const {
        return low <= UINT64_MAX - (blocks - 1);
    }
};

// iv + block, the iv read as a big-endian number.
inline Aes192CtrCounter Aes192CtrCounterAt(std::span<const std::uint8_t, 16> iv,
                                           std::uint64_t block) {
    Aes192CtrCounter counter;
    for (std::size_t i = 0; i < 8; ++i) {
        counter.high = counter.high << 8 | iv[i];
        counter.low = counter.low << 8 | iv[8 + i];
    }
    counter.Advance(block);
    return counter;
}
