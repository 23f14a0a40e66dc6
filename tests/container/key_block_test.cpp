#include "TestBytes.h"
#include "container/FileHeader.h"
#include "container/KeyBlock.h"
#include "container/LittleEndian.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace {

std::vector<std::uint8_t> Slice(std::span<const std::uint8_t> bytes, std::size_t offset,
                                std::size_t size) {
    const auto part = bytes.subspan(offset, size);
    return {part.begin(), part.end()};
}

KeyBlock CountingKeyBlock() {
    KeyBlock keyBlock;
    std::iota(keyBlock.begin(), keyBlock.end(), std::uint8_t{0});
    return keyBlock;
}

TEST(LittleEndianTest, IntegersAreStoredLowByteFirst) {
    std::vector<std::uint8_t> bytes(8, 0xCC);
    SetU32(bytes, 1, 0x12345678);
    SetU16(bytes, 5, 0xA1B2);
    EXPECT_EQ(bytes, FromHex("cc 78 56 34 12 b2 a1 cc"));
    EXPECT_EQ(GetU32(bytes, 1), 0x12345678u);
    EXPECT_EQ(GetU16(bytes, 5), 0xA1B2u);
    EXPECT_EQ(GetU32(bytes, 4), 0xCCA1B212u);
}

TEST(KeyBlockTest, StartClearsAndSetsTheIntegerFields) {
    KeyBlock keyBlock;
    keyBlock.fill(0xCC);
    StartKeyBlock(keyBlock, 0x12345678, FLAG_PASSWORD | FLAG_FORCE_VIEWER);

    KeyBlock expected{};
    std::ranges::copy(FromHex("01 00 01 00"), expected.begin() + KeyBlockOffset::version);
    std::ranges::copy(FromHex("78 56 34 12"), expected.begin() + KeyBlockOffset::originalSize);
    std::ranges::copy(FromHex("03 00 00 00"), expected.begin() + KeyBlockOffset::flags);
    EXPECT_EQ(keyBlock, expected);
    EXPECT_EQ(GetU32(keyBlock, KeyBlockOffset::version), kKeyBlockVersion);
}

TEST(KeyBlockTest, FillerStepsReachOnlyVerifierAndFillers) {
    KeyBlock keyBlock{};
    for (std::size_t step = 0; step < kFillerSize; ++step) {
        const auto tag = static_cast<std::uint8_t>(step);
        const std::array<std::uint8_t, 5> random = {
            tag, static_cast<std::uint8_t>(0x20 | tag), static_cast<std::uint8_t>(0x40 | tag),
            static_cast<std::uint8_t>(0x60 | tag), static_cast<std::uint8_t>(0x80 | tag)};
        StoreFillerStep(keyBlock, step, random);
    }
    const std::size_t targets[] = {KeyBlockOffset::verifier, KeyBlockOffset::filler1,
                                   KeyBlockOffset::filler2, KeyBlockOffset::filler3,
                                   KeyBlockOffset::filler4};
    KeyBlock expected{};
    for (std::size_t field = 0; field < 5; ++field) {
        for (std::size_t i = 0; i < kFillerSize; ++i) {
            expected[targets[field] + i] = static_cast<std::uint8_t>(field << 5 | i);
        }
    }
    EXPECT_EQ(keyBlock, expected);
}

TEST(KeyBlockTest, CreatedUtcHoldsEightLittleEndianFields) {
    KeyBlock keyBlock{};
    SetCreatedUtc(keyBlock, {2026, 12, 4, 10, 10, 23, 33, 999});
    EXPECT_EQ(Slice(keyBlock, KeyBlockOffset::createdUtc, 18),
              FromHex("ea 07 0c 00 04 00 0a 00 0a 00 17 00 21 00 e7 03 00 00"));
}

struct DigestCase {
    const char* kind;
    Sha1Digest (*digest)(std::span<const std::uint8_t, kKeyBlockSize>);
    std::size_t coveredBytes;
    const char* expected;
};

// Expected digests computed with Python hashlib over the bytes 0, 1, 2, ...
TEST(KeyBlockTest, DigestsCoverTheirLeadingBytesOnly) {
    const DigestCase cases[] = {
        {"file", FileKeyBlockDigest, 172, "1b3e6fa3c2a28bec0d42f4db58190bd393d372d4"},
        {"message", MessageKeyBlockDigest, 171, "aa6cc574968f08a0a975fbc65ae1c673125a38b6"},
    };
    for (const DigestCase& c : cases) {
        SCOPED_TRACE(c.kind);
        KeyBlock keyBlock = CountingKeyBlock();
        const Sha1Digest digest = c.digest(keyBlock);
        EXPECT_EQ(std::vector<std::uint8_t>(digest.begin(), digest.end()), FromHex(c.expected));

        keyBlock[c.coveredBytes] ^= 0xFF;
        EXPECT_EQ(c.digest(keyBlock), digest);
        keyBlock[c.coveredBytes - 1] ^= 0xFF;
        EXPECT_NE(c.digest(keyBlock), digest);
    }
}

TEST(KeyBlockTest, StoredDigestsAreComparedWhereTheyLie) {
    KeyBlock keyBlock{};
    Sha1Digest digest;
    std::iota(digest.begin(), digest.end(), std::uint8_t{1});
    StoreDigest(keyBlock, KeyBlockOffset::bodyDigest, digest);

    EXPECT_EQ(Slice(keyBlock, KeyBlockOffset::bodyDigest, 20),
              std::vector<std::uint8_t>(digest.begin(), digest.end()));
    EXPECT_TRUE(StoredDigestMatches(keyBlock, KeyBlockOffset::bodyDigest, digest));
    EXPECT_FALSE(StoredDigestMatches(keyBlock, KeyBlockOffset::keyBlockDigest, digest));
    keyBlock[kKeyBlockSize - 1] ^= 0x01;
    EXPECT_FALSE(StoredDigestMatches(keyBlock, KeyBlockOffset::bodyDigest, digest));
}

TEST(KeyBlockTest, DigestOffsetPastTheEndIsRefused) {
    KeyBlock keyBlock{};
    const KeyBlock before = keyBlock;
    const Sha1Digest zeros{};
    StoreDigest(keyBlock, kKeyBlockSize - 19, Sha1Digest{1});
    EXPECT_EQ(keyBlock, before);
    EXPECT_FALSE(StoredDigestMatches(keyBlock, kKeyBlockSize - 19, zeros));
    EXPECT_TRUE(StoredDigestMatches(keyBlock, kKeyBlockSize - 20, zeros));
}

TEST(FileHeaderTest, LayoutOfABuiltHeader) {
    FileHeader header;
    header.fill(0xCC);
    SetFileMagic(header);
    SetU32(header, FileHeaderOffset::totalLength, 212 + 0x01020304);

    EXPECT_EQ(Slice(header, 0, 14), FromHex("42 96 51 4d 58 45 4e 43 f0 e7 d8 03 02 01"));
    EXPECT_TRUE(HasFileMagic(header));
    const auto scrambled = FileHeaderScrambledPart(header);
    EXPECT_EQ(scrambled.data(), header.data() + 10);
    EXPECT_EQ(scrambled.size(), 24u);
}

TEST(FileHeaderTest, AnyWrongMagicByteIsNoContainer) {
    FileHeader header{};
    SetFileMagic(header);
    for (std::size_t i = 0; i < kFileMagic.size(); ++i) {
        SCOPED_TRACE(i);
        FileHeader damaged = header;
        damaged[i] ^= 0x20;
        EXPECT_FALSE(HasFileMagic(damaged));
    }
}

} // namespace
