#include "crypto/Sha256Compress.h"

#include "crypto/HashWords.h"
#include "crypto/Sha256CompressShaNi.h"
#include "platform/CpuFeatures.h"

#include <algorithm>
#include <bit>

const std::uint32_t kSha256RoundConstants[64] = {
    0x428A2F98, 0x71374491, 0xB5C0FBCF, 0xE9B5DBA5, 0x3956C25B, 0x59F111F1, 0x923F82A4, 0xAB1C5ED5,
    0xD807AA98, 0x12835B01, 0x243185BE, 0x550C7DC3, 0x72BE5D74, 0x80DEB1FE, 0x9BDC06A7, 0xC19BF174,
    0xE49B69C1, 0xEFBE4786, 0x0FC19DC6, 0x240CA1CC, 0x2DE92C6F, 0x4A7484AA, 0x5CB0A9DC, 0x76F988DA,
    0x983E5152, 0xA831C66D, 0xB00327C8, 0xBF597FC7, 0xC6E00BF3, 0xD5A79147, 0x06CA6351, 0x14292967,
    0x27B70A85, 0x2E1B2138, 0x4D2C6DFC, 0x53380D13, 0x650A7354, 0x766A0ABB, 0x81C2C92E, 0x92722C85,
    0xA2BFE8A1, 0xA81A664B, 0xC24B8B70, 0xC76C51A3, 0xD192E819, 0xD6990624, 0xF40E3585, 0x106AA070,
    0x19A4C116, 0x1E376C08, 0x2748774C, 0x34B0BCB5, 0x391C0CB3, 0x4ED8AA4A, 0x5B9CCA4F, 0x682E6FF3,
    0x748F82EE, 0x78A5636F, 0x84C87814, 0x8CC70208, 0x90BEFFFA, 0xA4506CEB, 0xBEF9A3F7, 0xC67178F2};

namespace {

std::uint32_t BigSigma0(std::uint32_t x) {
    return std::rotr(x, 2) ^ std::rotr(x, 13) ^ std::rotr(x, 22);
}
std::uint32_t BigSigma1(std::uint32_t x) {
    return std::rotr(x, 6) ^ std::rotr(x, 11) ^ std::rotr(x, 25);
}
std::uint32_t SmallSigma0(std::uint32_t x) {
    return std::rotr(x, 7) ^ std::rotr(x, 18) ^ (x >> 3);
}
std::uint32_t SmallSigma1(std::uint32_t x) {
    return std::rotr(x, 17) ^ std::rotr(x, 19) ^ (x >> 10);
}
std::uint32_t Choose(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return (x & y) ^ (~x & z);
}
std::uint32_t Majority(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return (x & y) ^ (x & z) ^ (y & z);
}

} // namespace

void Sha256Compress(std::span<std::uint32_t, 8> state, std::span<const std::uint32_t, 16> block) {
    std::uint32_t schedule[64];
    std::copy(block.begin(), block.end(), schedule);
    for (unsigned t = 16; t < 64; ++t) {
        schedule[t] = SmallSigma1(schedule[t - 2]) + schedule[t - 7] +
                      SmallSigma0(schedule[t - 15]) + schedule[t - 16];
    }

    std::uint32_t v[8];
    std::copy(state.begin(), state.end(), v);
    for (unsigned t = 0; t < 64; ++t) {
        const std::uint32_t t1 = v[7] + BigSigma1(v[4]) + Choose(v[4], v[5], v[6]) +
                                 kSha256RoundConstants[t] + schedule[t];
        const std::uint32_t t2 = BigSigma0(v[0]) + Majority(v[0], v[1], v[2]);
        std::copy_backward(v, v + 7, v + 8);
        v[4] += t1;
        v[0] = t1 + t2;
    }
    for (unsigned i = 0; i < 8; ++i) {
        state[i] += v[i];
    }
}

void Sha256CompressBlocksPortable(std::span<std::uint32_t, 8> state, const std::uint8_t* blocks,
                                  std::size_t count) {
    std::uint32_t words[16];
    for (std::size_t i = 0; i < count; ++i, blocks += 64) {
        LoadBigEndianWords(words, blocks, 16);
        Sha256Compress(state, words);
    }
}

void Sha256CompressBlocks(std::span<std::uint32_t, 8> state, const std::uint8_t* blocks,
                          std::size_t count) {
    static const Sha256BlocksFunction chosen = [] {
        const Sha256BlocksFunction fast = UsableCpuFeatures().shani ? Sha256ShaNiBlocks() : nullptr;
        return fast != nullptr ? fast : &Sha256CompressBlocksPortable;
    }();
    chosen(state, blocks, count);
}
