#include "crypto/Sha1Compress.h"

#include "crypto/HashWords.h"
#include "crypto/Sha1CompressShaNi.h"
#include "platform/CpuFeatures.h"

#include <bit>

namespace {

std::uint32_t RoundFunction(unsigned round, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    if (round < 20) {
        return (b & c) | (~b & d);
    }
    if (round < 40 || round >= 60) {
        return b ^ c ^ d;
    }
    return (b & c) | (b & d) | (c & d);
}

constexpr std::uint32_t kRoundConstants[4] = {0x5A827999, 0x6ED9EBA1, 0x8F1BBCDC, 0xCA62C1D6};

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

    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
    for (unsigned t = 0; t < 80; ++t) {
        const std::uint32_t temp =
            std::rotl(a, 5) + RoundFunction(t, b, c, d) + e + kRoundConstants[t / 20] + schedule[t];
        e = d;
        d = c;
        c = std::rotl(b, 30);
        b = a;
        a = temp;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
    state[4] += e;
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
