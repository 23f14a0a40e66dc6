// The hardware counter-mode paths against the portable one: every start
// offset within three blocks, short and long lengths, any alignment, counter
// carries and the wrap at 2^128. A path the processor lacks is reported.

#include "crypto/Aes192Ctr.h"
#include "crypto/CipherTestSupport.h"
#include "crypto/Keystream.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t length, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::vector<std::uint8_t> bytes(length);
    for (std::uint8_t& b : bytes) {
        b = static_cast<std::uint8_t>(generator());
    }
    return bytes;
}

class AesCtrFastTest : public ::testing::TestWithParam<Aes192CtrPath> {
protected:
    void SetUp() override {
        if (!Aes192CtrUsable(GetParam())) {
            GTEST_SKIP() << "UNAVAILABLE: " << Aes192CtrName(GetParam())
                         << " (processor lacks it, or the portable code is forced)";
        }
    }

    // The fast and the portable result over `length` bytes placed `shift`
    // bytes into their buffers, so that every alignment occurs.
    void ExpectSameAsPortable(std::span<const std::uint8_t, 16> iv, std::size_t length,
                              std::uint32_t offset, std::size_t shift) {
        const std::vector<std::uint8_t> data = RandomBytes(length + shift, offset ^ 0x5EED);
        std::vector<std::uint8_t> fast = data;
        std::vector<std::uint8_t> portable = data;
        ASSERT_EQ(Aes192CtrApply(GetParam(), iv, key_, std::span(fast).subspan(shift), offset), 0u);
        ASSERT_EQ(Aes192CtrApply(Aes192CtrPath::kPortable, iv, key_,
                                 std::span(portable).subspan(shift), offset),
                  0u);
        ASSERT_EQ(fast, portable) << "length " << length << " offset " << offset;
    }

    std::array<std::uint8_t, 24> key_ =
        FromHexArray<24>("8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b");
    std::array<std::uint8_t, 16> iv_ = FromHexArray<16>("f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff");
};

// With the plaintext as the counter, the first keystream block is the
// cipher's output: FIPS 197 C.2 checks the fast key schedule and rounds.
TEST_P(AesCtrFastTest, EncryptsTheStandardAes192Block) {
    const auto key = FromHexArray<24>("000102030405060708090a0b0c0d0e0f1011121314151617");
    const auto plaintext = FromHexArray<16>("00112233445566778899aabbccddeeff");
    std::array<std::uint8_t, 16> block{};
    ASSERT_EQ(Aes192CtrApply(GetParam(), plaintext, key, block, 0), 0u);
    EXPECT_EQ(ToHex(block), "dda97ca4864cdfe06eaf70a0ec0d7191");
}

TEST_P(AesCtrFastTest, EveryOffsetAndShortLengthMatchesPortable) {
    for (std::uint32_t offset = 0; offset < 48; ++offset) {
        for (std::size_t length = 0; length <= 300; ++length) {
            ExpectSameAsPortable(iv_, length, offset, (offset * 5 + length) % 32);
        }
    }
}

TEST_P(AesCtrFastTest, LongLengthsMatchPortable) {
    for (const std::size_t length : {65535u, 65536u + 7u, 1300000u + 13u}) {
        for (const std::uint32_t offset : {0u, 5u, 12345u}) {
            ExpectSameAsPortable(iv_, length, offset, length % 7);
        }
    }
}

// Carries out of the low 64 bits fall inside a batch of blocks, and an all-ones
// counter wraps to zero.
TEST_P(AesCtrFastTest, CounterCarriesAndWrapsLikePortable) {
    for (const char* iv :
         {"0011223344556677fffffffffffffff5", "00112233445566ffffffffffffffff00",
          "ffffffffffffffffffffffffffffffff", "fffffffffffffffffffffffffffffffa"}) {
        SCOPED_TRACE(iv);
        for (const std::uint32_t offset : {0u, 3u, 16u, 47u, 100u}) {
            ExpectSameAsPortable(FromHexArray<16>(iv), 4096 + offset, offset, offset % 3);
        }
    }
}

// The last bytes below 2^32 go through; one more is refused untouched.
TEST_P(AesCtrFastTest, TopOfTheKeystreamMatchesPortable) {
    for (const std::uint32_t back : {1u, 15u, 16u, 300u, 4099u}) {
        ExpectSameAsPortable(iv_, back, static_cast<std::uint32_t>(0x100000000u - back), 1);
    }
    const std::vector<std::uint8_t> original = RandomBytes(301, 7);
    std::vector<std::uint8_t> buffer = original;
    EXPECT_EQ(ApplyKeystreamChunked(iv_, key_, buffer, 0xFFFFFFFFu - 299u), 1u);
    EXPECT_EQ(buffer, original);
}

std::string PathName(const testing::TestParamInfo<Aes192CtrPath>& info) {
    return Aes192CtrName(info.param);
}

INSTANTIATE_TEST_SUITE_P(HardwarePaths, AesCtrFastTest,
                         testing::Values(Aes192CtrPath::kAesNi, Aes192CtrPath::kVaes), PathName);

} // namespace
