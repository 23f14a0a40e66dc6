#include "container/ScrambleAvx2.h"

#include "container/ScrambleWords.h"
#include "platform/CpuFeatures.h"

#if !defined(QMX_PORTABLE_ONLY) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>

#define QMX_AVX2 __attribute__((target("avx2")))

namespace {

constexpr std::size_t kVectorBytes = 32;
constexpr std::size_t kLaneVectors = 4;
constexpr LcgJump kVectorJump = ScrambleJump(kVectorBytes);

// The byte that lane j of state vector v becomes after the two packs.
constexpr std::size_t PackedPosition(std::size_t v, std::size_t j) {
    return j < 4 ? 4 * v + j : 16 + 4 * v + (j - 4);
}

// The lanes hold the complemented states: NOT of an affine step is an affine
// step too (~s -> m * ~s + m - i - 1), and bits 16..23 are then the mask.
constexpr LcgJump Complemented(LcgJump jump) {
    return {jump.multiplier, jump.multiplier - jump.increment - 1};
}

constexpr LcgJump kLanesJump = Complemented(kVectorJump);

class MaskVectors {
public:
    QMX_AVX2 explicit MaskVectors(std::uint32_t state) {
        std::uint32_t states[kVectorBytes];
        for (std::uint32_t& next : states) {
            state = kScrambleStep(state);
            next = ~state;
        }
        for (std::size_t v = 0; v < kLaneVectors; ++v) {
            alignas(32) std::uint32_t lanes[8];
            for (std::size_t j = 0; j < 8; ++j) {
                lanes[j] = states[PackedPosition(v, j)];
            }
            lanes_[v] = _mm256_load_si256(reinterpret_cast<const __m256i*>(lanes));
        }
    }

    // The next 32 mask bytes, in byte order.
    QMX_AVX2 __m256i next() {
        const __m256i multiplier = _mm256_set1_epi32(static_cast<int>(kLanesJump.multiplier));
        const __m256i increment = _mm256_set1_epi32(static_cast<int>(kLanesJump.increment));
        const __m256i lowByte = _mm256_set1_epi32(0xFF);
        __m256i keys[kLaneVectors];
        for (std::size_t v = 0; v < kLaneVectors; ++v) {
            keys[v] = _mm256_and_si256(_mm256_srli_epi32(lanes_[v], 16), lowByte);
            lanes_[v] = _mm256_add_epi32(_mm256_mullo_epi32(lanes_[v], multiplier), increment);
        }
        // Values below 256, so the saturating packs only narrow.
        const __m256i masks = _mm256_packus_epi16(_mm256_packus_epi32(keys[0], keys[1]),
                                                  _mm256_packus_epi32(keys[2], keys[3]));
        return masks;
    }

private:
    __m256i lanes_[kLaneVectors];
};

QMX_AVX2 __m256i Load(const std::uint8_t* bytes) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
}

QMX_AVX2 void Store(std::uint8_t* bytes, __m256i value) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(bytes), value);
}

// Byte i becomes the XOR of bytes 0..i.
QMX_AVX2 __m256i PrefixXor(__m256i x) {
    x = _mm256_xor_si256(x, _mm256_slli_si256(x, 1));
    x = _mm256_xor_si256(x, _mm256_slli_si256(x, 2));
    x = _mm256_xor_si256(x, _mm256_slli_si256(x, 4));
    x = _mm256_xor_si256(x, _mm256_slli_si256(x, 8));
    // The shifts stay within 128-bit halves: carry the low half's total upward.
    const __m256i halfTotals = _mm256_shuffle_epi8(x, _mm256_set1_epi8(15));
    return _mm256_xor_si256(x, _mm256_permute2x128_si256(halfTotals, halfTotals, 0x08));
}

QMX_AVX2 __m256i BroadcastLastByte(__m256i x) {
    return _mm256_permute4x64_epi64(_mm256_shuffle_epi8(x, _mm256_set1_epi8(15)), 0xFF);
}

// Byte i becomes byte i - 1 of `current`, byte 0 the last byte of `previous`.
QMX_AVX2 __m256i ShiftInLastByte(__m256i previous, __m256i current) {
    return _mm256_alignr_epi8(current, _mm256_permute2x128_si256(previous, current, 0x21), 15);
}

QMX_AVX2 void Scramble(ScrambleCursor& cursor, std::span<std::uint8_t> bytes) {
    const std::size_t whole = bytes.size() - bytes.size() % kVectorBytes;
    std::uint8_t* at = bytes.data();
    if (whole > 0) {
        MaskVectors masks(cursor.state);
        __m256i chain = _mm256_set1_epi8(static_cast<char>(cursor.chain));
        for (std::size_t i = 0; i < whole; i += kVectorBytes) {
            const __m256i stored =
                _mm256_xor_si256(PrefixXor(_mm256_xor_si256(Load(at + i), masks.next())), chain);
            Store(at + i, stored);
            chain = BroadcastLastByte(stored);
        }
        cursor.state = ScrambleJump(whole)(cursor.state);
        cursor.chain = at[whole - 1];
    }
    ScrambleWords(cursor, bytes.subspan(whole));
}

QMX_AVX2 void Unscramble(ScrambleCursor& cursor, std::span<std::uint8_t> bytes) {
    const std::size_t whole = bytes.size() - bytes.size() % kVectorBytes;
    std::uint8_t* at = bytes.data();
    if (whole > 0) {
        MaskVectors masks(cursor.state);
        __m256i previous = _mm256_set1_epi8(static_cast<char>(cursor.chain));
        for (std::size_t i = 0; i < whole; i += kVectorBytes) {
            const __m256i stored = Load(at + i);
            const __m256i chained = ShiftInLastByte(previous, stored);
            Store(at + i, _mm256_xor_si256(_mm256_xor_si256(stored, chained), masks.next()));
            previous = stored;
        }
        cursor.state = ScrambleJump(whole)(cursor.state);
        cursor.chain = static_cast<std::uint8_t>(_mm256_extract_epi8(previous, 31));
    }
    UnscrambleWords(cursor, bytes.subspan(whole));
}

bool Available() {
    return ProcessorFeatures().avx2;
}

} // namespace

ScrambleKernel ScrambleAvx2() {
    return Available() ? &Scramble : nullptr;
}

ScrambleKernel UnscrambleAvx2() {
    return Available() ? &Unscramble : nullptr;
}

#else

ScrambleKernel ScrambleAvx2() {
    return nullptr;
}

ScrambleKernel UnscrambleAvx2() {
    return nullptr;
}

#endif
