#include "crypto/CipherTestSupport.h"
#include "crypto/Keystream.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <span>
#include <string_view>
#include <vector>

namespace {

class KeystreamTest : public ::testing::Test {
protected:
    std::uint32_t Apply(std::span<std::uint8_t> buffer, std::uint32_t offset) {
        return ApplyKeystream(iv_, std::span<const std::uint8_t, 32>(key_).first<24>(), buffer,
                              offset);
    }
    std::uint32_t ApplyChunked(std::span<std::uint8_t> buffer, std::uint32_t offset) {
        return ApplyKeystreamChunked(iv_, std::span<const std::uint8_t, 32>(key_).first<24>(),
                                     buffer, offset);
    }
    static std::vector<std::uint8_t> Pattern(std::size_t length) {
        std::vector<std::uint8_t> bytes(length);
        for (std::size_t i = 0; i < length; ++i) {
            bytes[i] = static_cast<std::uint8_t>(i * 31 + 7);
        }
        return bytes;
    }

    std::array<std::uint8_t, 16> iv_ = FromHexArray<16>("00112233445566778899aabbccddeeff");
    // A password key: 32 bytes of which the cipher reads 24.
    std::array<std::uint8_t, 32> key_ =
        FromHexArray<32>("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f");
};

// Keystream of zero bytes; every row from openssl enc -aes-192-ctr, whose
// counter is the same 128-bit big-endian number.
TEST_F(KeystreamTest, MatchesTheStandardCounterKeystreamFromAnyOffset) {
    struct Row {
        const char* source;
        std::string_view key;
        std::string_view iv;
        std::string_view keystream;
    };
    constexpr Row kRows[] = {
        {"NIST SP 800-38A F.5.5 (ciphertext XOR plaintext)",
         "8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b", "f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff",
         "717d2dc639128334a6167a488ded7921a72eb3bb14a556734b7bad6ab16100c5"
         "2efeae2d72b722613446dc7f4c2af918b9e783b30dd7924ff7bc9b97beaa8740"},
        {"openssl, carry into byte 7", "000102030405060708090a0b0c0d0e0f1011121314151617",
         "0011223344556677ffffffffffffffff",
         "7f02a2c60aada7202ad988a5a57e8a0913a54b411cf733014b174985ea258a1c"
         "9ae82a7b92043e203025feddd8c68923caccd0618626773bd20b58be79a66b11"},
        {"openssl, wrap modulo 2^128", "000102030405060708090a0b0c0d0e0f1011121314151617",
         "ffffffffffffffffffffffffffffffff",
         "01d8f99a19ab91f02c06d73bf2248888916251821c73a522c396d62738019607"
         "494e385a4b3fafb713eaeca808626717db03128bb74d242c83424226f7ca25c6"},
    };
    for (const Row& row : kRows) {
        const auto key = FromHexArray<24>(row.key);
        const auto iv = FromHexArray<16>(row.iv);
        const std::vector<std::uint8_t> keystream = FromHex(row.keystream);
        for (const std::uint32_t offset : {0u, 5u, 16u, 33u}) {
            SCOPED_TRACE(testing::Message() << row.source << " @" << offset);
            std::vector<std::uint8_t> buffer(keystream.size() - offset);
            EXPECT_EQ(ApplyKeystream(iv, key, buffer, offset), 0u);
            EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), keystream.begin() + offset));
        }
    }
}

TEST_F(KeystreamTest, ApplyingTwiceRestoresTheBuffer) {
    const std::vector<std::uint8_t> original = Pattern(100);
    std::vector<std::uint8_t> buffer = original;
    ASSERT_EQ(Apply(buffer, 77), 0u);
    EXPECT_NE(buffer, original);
    ASSERT_EQ(Apply(buffer, 77), 0u);
    EXPECT_EQ(buffer, original);
}

TEST_F(KeystreamTest, EmptyRangeChangesNothing) {
    std::vector<std::uint8_t> buffer = Pattern(8);
    EXPECT_EQ(Apply(std::span(buffer).first(0), 3), 0u);
    EXPECT_EQ(ApplyChunked(std::span(buffer).first(0), 3), 0u);
    EXPECT_EQ(ApplyChunked({}, 0), 0u);
    EXPECT_EQ(buffer, Pattern(8));
}

TEST_F(KeystreamTest, PiecesAtTheirOwnOffsetsEqualOneCall) {
    std::vector<std::uint8_t> whole = Pattern(31);
    ASSERT_EQ(Apply(whole, 5), 0u);
    // Bytes 0..10 at offset 5, then 11..30 at offset 16.
    std::vector<std::uint8_t> pieces = Pattern(31);
    ASSERT_EQ(Apply(std::span(pieces).subspan(0, 11), 5), 0u);
    ASSERT_EQ(Apply(std::span(pieces).subspan(11), 16), 0u);
    EXPECT_EQ(pieces, whole);
}

TEST_F(KeystreamTest, ChunkedEqualsOneUnchunkedCall) {
    // 65,535 is one chunk; 65,536 is 65,535 + 1; 131,070 two full chunks;
    // 70,000 is 65,535 at 12,345 then 4,465 at 77,880.
    for (const std::size_t length : {1u, 65535u, 65536u, 131070u, 70000u}) {
        SCOPED_TRACE(length);
        std::vector<std::uint8_t> chunked = Pattern(length);
        std::vector<std::uint8_t> single = chunked;
        ASSERT_EQ(ApplyChunked(chunked, 12345), 0u);
        ASSERT_EQ(Apply(single, 12345), 0u);
        EXPECT_EQ(chunked, single);
    }
}

TEST_F(KeystreamTest, KeyBytesPast23KeyNothing) {
    std::array<std::uint8_t, 32> otherTail = key_;
    std::fill(otherTail.begin() + 24, otherTail.end(), std::uint8_t{0xEE});
    std::vector<std::uint8_t> a = Pattern(40);
    std::vector<std::uint8_t> b = Pattern(40);
    ASSERT_EQ(Apply(a, 9), 0u);
    ASSERT_EQ(ApplyKeystream(iv_, std::span<const std::uint8_t, 32>(otherTail).first<24>(), b, 9),
              0u);
    EXPECT_EQ(a, b);
}

// Offsets are 32-bit: a range past the last one would wrap and reuse
// keystream, so it is refused whole.
TEST_F(KeystreamTest, RangesPastTheLastOffsetAreRefusedUntouched) {
    const std::vector<std::uint8_t> original = Pattern(17);
    std::vector<std::uint8_t> buffer = original;
    EXPECT_EQ(Apply(buffer, 0xFFFFFFF0), 1u);
    EXPECT_EQ(ApplyChunked(buffer, 0xFFFFFFF0), 1u);
    EXPECT_EQ(buffer, original);

    const std::span<std::uint8_t> lastSixteen = std::span(buffer).first(16);
    EXPECT_EQ(Apply(lastSixteen, 0xFFFFFFF0), 0u);
    EXPECT_NE(buffer, original);
    EXPECT_EQ(ApplyChunked(lastSixteen, 0xFFFFFFF0), 0u);
    EXPECT_EQ(buffer, original);
}

} // namespace
