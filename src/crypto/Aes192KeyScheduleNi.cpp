#include "crypto/Aes192KeyScheduleNi.h"

#ifdef QMX_AES192_CTR_X86

#include <cstring>
#include <immintrin.h>

namespace {

constexpr std::size_t kKeyWords = 6;
constexpr std::array<std::uint8_t, 9> kRcon = {0x00, 0x01, 0x02, 0x04, 0x08,
                                               0x10, 0x20, 0x40, 0x80};

// SubWord(RotWord(w)): AESKEYGENASSIST applies both to its second word; the
// round constant is added by the caller, which lets the immediate stay 0.
__attribute__((target("aes,sse4.1"))) std::uint32_t SubRotWord(std::uint32_t w) {
    const __m128i v = _mm_set_epi32(0, 0, static_cast<int>(w), 0);
    return static_cast<std::uint32_t>(_mm_extract_epi32(_mm_aeskeygenassist_si128(v, 0), 1));
}

} // namespace

void ExpandAes192KeyNi(std::span<const std::uint8_t, 24> key, Aes192RoundKeys& keys) {
    std::uint32_t* w = keys.words.data();
    std::memcpy(w, key.data(), key.size());
    for (std::size_t i = kKeyWords; i < keys.words.size(); ++i) {
        std::uint32_t temp = w[i - 1];
        if (i % kKeyWords == 0) {
            // The constant's byte comes first in memory: the low byte here.
            temp = SubRotWord(temp) ^ kRcon[i / kKeyWords];
        }
        w[i] = w[i - kKeyWords] ^ temp;
    }
}

#endif
