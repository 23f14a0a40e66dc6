#include "crypto/Sha256CompressShaNi.h"

#include "platform/CpuFeatures.h"

#if !defined(QMX_PORTABLE_ONLY) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>

#define QMX_SHANI __attribute__((target("sha,sse4.1")))

namespace {

// Earliest word in the lowest lane, each word byte-swapped to its value.
QMX_SHANI __m128i LoadMessage(const std::uint8_t* bytes) {
    const __m128i swap = _mm_set_epi8(12, 13, 14, 15, 8, 9, 10, 11, 4, 5, 6, 7, 0, 1, 2, 3);
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)), swap);
}

// Words 4g..4g+3 from the four groups before them, overwriting the oldest.
QMX_SHANI void NextMessage(__m128i& oldest, __m128i second, __m128i third, __m128i newest) {
    const __m128i sevenBack = _mm_alignr_epi8(newest, third, 4);
    oldest = _mm_sha256msg2_epu32(_mm_add_epi32(_mm_sha256msg1_epu32(oldest, second), sevenBack),
                                  newest);
}

// The instruction takes the state as (A, B, E, F) and (C, D, G, H), top lane
// first, and returns the new (A, B, E, F); the old one is the new (C, D, G, H).
QMX_SHANI void FourRounds(__m128i& abef, __m128i& cdgh, __m128i message, unsigned group) {
    __m128i wk = _mm_add_epi32(message, _mm_loadu_si128(reinterpret_cast<const __m128i*>(
                                            kSha256RoundConstants + 4 * group)));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, wk);
    wk = _mm_shuffle_epi32(wk, 0x0E);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, wk);
}

QMX_SHANI void CompressBlock(__m128i& abef, __m128i& cdgh, const std::uint8_t* block) {
    __m128i m[4] = {LoadMessage(block), LoadMessage(block + 16), LoadMessage(block + 32),
                    LoadMessage(block + 48)};
    const __m128i savedAbef = abef;
    const __m128i savedCdgh = cdgh;
#pragma GCC unroll 16
    for (unsigned group = 0; group < 16; ++group) {
        FourRounds(abef, cdgh, m[group % 4], group);
        if (group < 12) {
            NextMessage(m[group % 4], m[(group + 1) % 4], m[(group + 2) % 4], m[(group + 3) % 4]);
        }
    }
    abef = _mm_add_epi32(abef, savedAbef);
    cdgh = _mm_add_epi32(cdgh, savedCdgh);
}

QMX_SHANI void CompressBlocks(std::span<std::uint32_t, 8> state, const std::uint8_t* blocks,
                              std::size_t count) {
    auto* words = reinterpret_cast<__m128i*>(state.data());
    const __m128i dcba = _mm_shuffle_epi32(_mm_loadu_si128(words), 0x1B);
    const __m128i hgfe = _mm_shuffle_epi32(_mm_loadu_si128(words + 1), 0x1B);
    __m128i abef = _mm_unpackhi_epi64(hgfe, dcba);
    __m128i cdgh = _mm_unpacklo_epi64(hgfe, dcba);
    for (std::size_t i = 0; i < count; ++i, blocks += 64) {
        CompressBlock(abef, cdgh, blocks);
    }
    _mm_storeu_si128(words, _mm_shuffle_epi32(_mm_unpackhi_epi64(cdgh, abef), 0x1B));
    _mm_storeu_si128(words + 1, _mm_shuffle_epi32(_mm_unpacklo_epi64(cdgh, abef), 0x1B));
}

} // namespace

Sha256BlocksFunction Sha256ShaNiBlocks() {
    return ProcessorFeatures().shani ? &CompressBlocks : nullptr;
}

#else

Sha256BlocksFunction Sha256ShaNiBlocks() {
    return nullptr;
}

#endif
