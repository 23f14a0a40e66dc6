#include "crypto/Sha1Compress.h"

#include "crypto/HashWords.h"
#include "crypto/Sha1CompressShaNi.h"
#include "platform/CpuFeatures.h"

#include <bit>

namespace {

struct Sha1Words {
    std::uint32_t a, b, c, d, e;
};

// Unrolled, so the rotation of the five words is only renaming.
template <typename Function>
void TwentyRounds(Sha1Words& v, const std::uint32_t* schedule, std::uint32_t constant,
                  Function function) {
#pragma GCC unroll 20
    for (unsigned t = 0; t < 20; ++t) {
        const std::uint32_t temp =
            std::rotl(v.a, 5) + function(v.b, v.c, v.d) + v.e + constant + schedule[t];
        v = {temp, v.a, std::rotl(v.b, 30), v.c, v.d};
    }
}

std::uint32_t Choose(std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return d ^ (b & (c ^ d));
}
std::uint32_t Parity(std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return b ^ c ^ d;
}
std::uint32_t Majority(std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return (b & c) | (d & (b | c));
}

} // namespace

void Sha1Compress(std::span<std::uint32_t, 5> state, std::span<const std::uint32_t, 16> block) {
    std::uint32_t schedule[80];
    for (unsigned t = 0; t < 16; ++t) {
        schedule[t] = block[t];
    }
    for (unsigned t = 16; t < 80; ++t) {
        schedule[t] =
            std::rotl(schedule[t - 3] ^ schedule[t - 8] ^ schedule[t - 14] ^ schedule[t - 16], 1);
    }

    Sha1Words v{state[0], state[1], state[2], state[3], state[4]};
    TwentyRounds(v, schedule, 0x5A827999, Choose);
    TwentyRounds(v, schedule + 20, 0x6ED9EBA1, Parity);
    TwentyRounds(v, schedule + 40, 0x8F1BBCDC, Majority);
    TwentyRounds(v, schedule + 60, 0xCA62C1D6, Parity);
    state[0] += v.a;
    state[1] += v.b;
    state[2] += v.c;
    state[3] += v.d;
    state[4] += v.e;
}

void Sha1CompressBlocksPortable(std::span<std::uint32_t, 5> state, const std::uint8_t* blocks,
                                std::size_t count) {
    std::uint32_t words[16];
    for (std::size_t i = 0; i < count; ++i, blocks += 64) {
        LoadBigEndianWords(words, blocks, 16);
        Sha1Compress(state, words);
    }
}

void Sha1CompressBlocks(std::span<std::uint32_t, 5> state, const std::uint8_t* blocks,
                        std::size_t count) {
    static const Sha1BlocksFunction chosen = [] {
        const Sha1BlocksFunction fast = UsableCpuFeatures().shani ? Sha1ShaNiBlocks() : nullptr;
        return fast != nullptr ? fast : &Sha1CompressBlocksPortable;
    }();
    chosen(state, blocks, count);
}
