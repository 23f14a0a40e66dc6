#include "crypto/Sha1CompressShaNi.h"

#include "platform/CpuFeatures.h"

#if !defined(QMX_PORTABLE_ONLY) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>

#define QMX_SHANI __attribute__((target("sha,sse4.1")))

namespace {

// The instructions keep the earliest word, and A, in the top lane.
QMX_SHANI __m128i LoadMessage(const std::uint8_t* bytes) {
    const __m128i reverse = _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)), reverse);
}

// Words 4g..4g+3 from the four groups before them, overwriting the oldest.
QMX_SHANI void NextMessage(__m128i& oldest, __m128i second, __m128i third, __m128i newest) {
    oldest = _mm_sha1msg2_epu32(_mm_xor_si128(_mm_sha1msg1_epu32(oldest, second), third), newest);
}

struct Rounds {
    __m128i abcd;
    __m128i previous; // abcd before the last four rounds: its A gives the next E
};

template <int Function>
QMX_SHANI void FourRounds(Rounds& r, __m128i message) {
    const __m128i withE = _mm_sha1nexte_epu32(r.previous, message);
    r.previous = r.abcd;
    r.abcd = _mm_sha1rnds4_epu32(r.abcd, withE, Function);
}

QMX_SHANI void CompressBlock(__m128i& abcd, __m128i& e, const std::uint8_t* block) {
    __m128i m0 = LoadMessage(block);
    __m128i m1 = LoadMessage(block + 16);
    __m128i m2 = LoadMessage(block + 32);
    __m128i m3 = LoadMessage(block + 48);

    Rounds r{_mm_sha1rnds4_epu32(abcd, _mm_add_epi32(e, m0), 0), abcd};
    FourRounds<0>(r, m1);
    FourRounds<0>(r, m2);
    FourRounds<0>(r, m3);
    NextMessage(m0, m1, m2, m3);
    FourRounds<0>(r, m0);
    NextMessage(m1, m2, m3, m0);
    FourRounds<1>(r, m1);
    NextMessage(m2, m3, m0, m1);
    FourRounds<1>(r, m2);
    NextMessage(m3, m0, m1, m2);
    FourRounds<1>(r, m3);
    NextMessage(m0, m1, m2, m3);
    FourRounds<1>(r, m0);
    NextMessage(m1, m2, m3, m0);
    FourRounds<1>(r, m1);
    NextMessage(m2, m3, m0, m1);
    FourRounds<2>(r, m2);
    NextMessage(m3, m0, m1, m2);
    FourRounds<2>(r, m3);
    NextMessage(m0, m1, m2, m3);
    FourRounds<2>(r, m0);
    NextMessage(m1, m2, m3, m0);
    FourRounds<2>(r, m1);
    NextMessage(m2, m3, m0, m1);
    FourRounds<2>(r, m2);
    NextMessage(m3, m0, m1, m2);
    FourRounds<3>(r, m3);
    NextMessage(m0, m1, m2, m3);
    FourRounds<3>(r, m0);
    NextMessage(m1, m2, m3, m0);
    FourRounds<3>(r, m1);
    NextMessage(m2, m3, m0, m1);
    FourRounds<3>(r, m2);
    NextMessage(m3, m0, m1, m2);
    FourRounds<3>(r, m3);

    e = _mm_sha1nexte_epu32(r.previous, e);
    abcd = _mm_add_epi32(abcd, r.abcd);
}

QMX_SHANI void CompressBlocks(std::span<std::uint32_t, 5> state, const std::uint8_t* blocks,
                              std::size_t count) {
    __m128i abcd =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state.data())), 0x1B);
    __m128i e = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    for (std::size_t i = 0; i < count; ++i, blocks += 64) {
        CompressBlock(abcd, e, blocks);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state.data()), _mm_shuffle_epi32(abcd, 0x1B));
    state[4] = static_cast<std::uint32_t>(_mm_extract_epi32(e, 3));
}

} // namespace

Sha1BlocksFunction Sha1ShaNiBlocks() {
    return ProcessorFeatures().shani ? &CompressBlocks : nullptr;
}

#else

Sha1BlocksFunction Sha1ShaNiBlocks() {
    return nullptr;
}

#endif
