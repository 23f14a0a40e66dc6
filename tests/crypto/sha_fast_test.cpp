// The SHA extension paths against the portable compression: block by block,
// and through the streaming routines and hash classes at many lengths and
// splits, against a reference built on the portable blocks alone.
#include "crypto/SHA.h"
#include "crypto/SHA256.h"
#include "crypto/Sha1CompressShaNi.h"
#include "crypto/Sha1Context.h"
#include "crypto/Sha256CompressShaNi.h"
#include "crypto/hash_vectors.h"
#include "platform/CpuFeatures.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::vector<std::uint8_t> bytes(size);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(generator());
    }
    return bytes;
}

// FIPS 180-4 padding: 0x80, zeros, the 64-bit big-endian bit length.
std::vector<std::uint8_t> Padded(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> padded(data, data + size);
    padded.push_back(0x80);
    while (padded.size() % 64 != 56) {
        padded.push_back(0);
    }
    const std::uint64_t bits = std::uint64_t{size} * 8;
    for (int shift = 56; shift >= 0; shift -= 8) {
        padded.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
    return padded;
}

template <std::size_t Words, typename Blocks>
std::string ReferenceDigest(const std::uint32_t (&initial)[Words], Blocks blocks,
                            const std::uint8_t* data, std::size_t size) {
    std::array<std::uint32_t, Words> state;
    std::copy(std::begin(initial), std::end(initial), state.begin());
    const std::vector<std::uint8_t> padded = Padded(data, size);
    blocks(state, padded.data(), padded.size() / 64);
    std::uint8_t digest[4 * Words];
    for (std::size_t i = 0; i < Words; ++i) {
        for (std::size_t j = 0; j < 4; ++j) {
            digest[4 * i + j] = static_cast<std::uint8_t>(state[i] >> (24 - 8 * j));
        }
    }
    return ToHex(digest, sizeof digest);
}

std::string Sha1Reference(const std::uint8_t* data, std::size_t size) {
    return ReferenceDigest(kSha1InitialState, &Sha1CompressBlocksPortable, data, size);
}

std::string Sha256Reference(const std::uint8_t* data, std::size_t size) {
    return ReferenceDigest(kSha256InitialState, &Sha256CompressBlocksPortable, data, size);
}

// Random chaining values, 0..20 blocks at once, from every offset mod 4.
template <std::size_t Words, typename Fast, typename Portable>
void ExpectSameBlocks(Fast fast, Portable portable) {
    const std::vector<std::uint8_t> input = RandomBytes(20 * 64 + 3, 7);
    std::mt19937 generator(11);
    for (std::size_t count = 0; count <= 20; ++count) {
        for (std::size_t offset = 0; offset < 4; ++offset) {
            std::array<std::uint32_t, Words> expected;
            for (std::uint32_t& word : expected) {
                word = static_cast<std::uint32_t>(generator());
            }
            std::array<std::uint32_t, Words> actual = expected;
            portable(expected, input.data() + offset, count);
            fast(actual, input.data() + offset, count);
            ASSERT_EQ(actual, expected) << count << " blocks at offset " << offset;
        }
    }
}

TEST(ShaFast, Sha1ExtensionBlocksMatchPortable) {
    const Sha1BlocksFunction fast = Sha1ShaNiBlocks();
    if (fast == nullptr) {
        GTEST_SKIP()
            << "UNAVAILABLE: SHA-1 on the SHA extensions (left out or not in the processor)";
    }
    ExpectSameBlocks<5>(fast, &Sha1CompressBlocksPortable);
}

TEST(ShaFast, Sha256ExtensionBlocksMatchPortable) {
    const Sha256BlocksFunction fast = Sha256ShaNiBlocks();
    if (fast == nullptr) {
        GTEST_SKIP()
            << "UNAVAILABLE: SHA-256 on the SHA extensions (left out or not in the processor)";
    }
    ExpectSameBlocks<8>(fast, &Sha256CompressBlocksPortable);
}

std::string StreamingDigest(const std::uint8_t* data, std::uint32_t split, std::uint32_t size) {
    Sha1Context context;
    Sha1Init(context);
    Sha1Update(context, data, split);
    Sha1Update(context, data + split, size - split);
    return ToHex(Sha1Final(context), 20);
}

std::string ClassDigest(Ferrik_HashModule& hash, const std::uint8_t* data, std::uint32_t split,
                        std::uint32_t size) {
    hash.Update(data, split);
    hash.Update(data + split, size - split);
    std::vector<std::uint8_t> digest(hash.DigestLength());
    hash.Final(digest.data());
    return ToHex(digest.data(), digest.size());
}

// Whichever path the process chose, at every length up to 700 and from an odd address.
TEST(ShaFast, EveryLengthMatchesTheReference) {
    const std::vector<std::uint8_t> input = RandomBytes(701, 3);
    const std::uint8_t* odd = input.data() + 1;
    SHA sha;
    SHA256 sha256;
    for (std::uint32_t size = 0; size <= 700; ++size) {
        ASSERT_EQ(StreamingDigest(odd, 0, size), Sha1Reference(odd, size)) << size;
        ASSERT_EQ(ClassDigest(sha, odd, 0, size), Sha1Reference(odd, size)) << size;
        ASSERT_EQ(ClassDigest(sha256, odd, 0, size), Sha256Reference(odd, size)) << size;
    }
}

TEST(ShaFast, EverySplitInTwoMatchesTheReference) {
    constexpr std::uint32_t kSize = 400;
    const std::vector<std::uint8_t> input = RandomBytes(kSize, 5);
    const std::string sha1 = Sha1Reference(input.data(), kSize);
    const std::string sha256 = Sha256Reference(input.data(), kSize);
    SHA sha;
    SHA256 sha256Class;
    for (std::uint32_t split = 0; split <= kSize; ++split) {
        ASSERT_EQ(StreamingDigest(input.data(), split, kSize), sha1) << split;
        ASSERT_EQ(ClassDigest(sha, input.data(), split, kSize), sha1) << split;
        ASSERT_EQ(ClassDigest(sha256Class, input.data(), split, kSize), sha256) << split;
    }
}

// Long calls of many blocks, cut at random points.
TEST(ShaFast, LongMessageInRandomPiecesMatchesTheReference) {
    const std::vector<std::uint8_t> input = RandomBytes(1 << 20, 9);
    std::mt19937 generator(13);
    Sha1Context context;
    Sha1Init(context);
    SHA256 sha256;
    for (std::size_t at = 0; at < input.size();) {
        const std::size_t piece = std::min<std::size_t>(generator() % 20000, input.size() - at);
        Sha1Update(context, input.data() + at, static_cast<std::uint32_t>(piece));
        sha256.Update(input.data() + at, static_cast<std::uint32_t>(piece));
        at += piece;
    }
    EXPECT_EQ(ToHex(Sha1Final(context), 20), Sha1Reference(input.data(), input.size()));
    std::uint8_t digest[32];
    sha256.Final(digest);
    EXPECT_EQ(ToHex(digest, 32), Sha256Reference(input.data(), input.size()));
}

} // namespace
