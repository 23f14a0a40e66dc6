#include "crypto/AES.h"
#include "crypto/CipherTestSupport.h"
#include "crypto/CounterMode.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace {

// NIST SP 800-38A F.5.5 CTR-AES192.Encrypt.
constexpr std::string_view kKey = "8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b";
constexpr std::string_view kCounter = "f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff";
constexpr std::string_view kPlaintext = "6bc1bee22e409f96e93d7e117393172a"
                                        "ae2d8a571e03ac9c9eb76fac45af8e51"
                                        "30c81c46a35ce411e5fbc1191a0a52ef"
                                        "f69f2445df4f9b17ad2b417be66c3710";
constexpr std::string_view kCiphertext = "1abc932417521ca24f2b0459fe7e6e0b"
                                         "090339ec0aa6faefd5ccc2c6f4ce8e94"
                                         "1e36b26bd1ebc670d1bd1d665620abf7"
                                         "4f78a7f6d29809585a97daec58c6b050";

class CounterModeTest : public ::testing::Test {
protected:
    std::vector<std::uint8_t> Tail(std::string_view hex, std::size_t from) const {
        const std::vector<std::uint8_t> bytes = FromHex(hex);
        return {bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end()};
    }

    std::array<std::uint8_t, 24> key_ = FromHexArray<24>(kKey);
    std::array<std::uint8_t, 16> iv_ = FromHexArray<16>(kCounter);
    AESEncryption cipher_{key_};
};

TEST_F(CounterModeTest, EveryTransformGivesTheStandardCiphertext) {
    const std::vector<std::uint8_t> plaintext = FromHex(kPlaintext);
    const auto length = static_cast<std::uint32_t>(plaintext.size());

    std::vector<std::uint8_t> inPlace = plaintext;
    Ferrik_CounterMode(cipher_, iv_.data()).TransformBytesInPlace(inPlace.data(), length);
    EXPECT_EQ(ToHex(inPlace), kCiphertext);

    std::vector<std::uint8_t> outOfPlace(plaintext.size());
    Ferrik_CounterMode(cipher_, iv_.data())
        .TransformBytes(outOfPlace.data(), plaintext.data(), length);
    EXPECT_EQ(ToHex(outOfPlace), kCiphertext);

    Ferrik_CounterMode byteWise(cipher_, iv_.data());
    std::vector<std::uint8_t> perByte;
    for (const std::uint8_t b : plaintext) {
        perByte.push_back(byteWise.TransformByte(b));
    }
    EXPECT_EQ(ToHex(perByte), kCiphertext);

    std::vector<std::uint8_t> keystream(plaintext.size());
    Ferrik_CounterMode(cipher_, iv_.data()).NextBlock(keystream.data(), length);
    for (std::size_t i = 0; i < keystream.size(); ++i) {
        keystream[i] ^= plaintext[i];
    }
    EXPECT_EQ(ToHex(keystream), kCiphertext);
}

TEST_F(CounterModeTest, SetPositionEntersTheKeystreamAtAnyOffset) {
    for (const std::uint32_t offset : {0u, 1u, 15u, 16u, 17u, 33u, 63u}) {
        SCOPED_TRACE(offset);
        Ferrik_CounterMode mode(cipher_, iv_.data());
        std::vector<std::uint8_t> buffer = Tail(kPlaintext, offset);
        // Consumed bytes are forgotten: SetPosition counts from the IV.
        (void)mode.NextByte();
        mode.SetPosition(offset);
        mode.SetPosition(offset);
        mode.TransformBytesInPlace(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
        EXPECT_EQ(buffer, Tail(kCiphertext, offset));
    }
}

TEST_F(CounterModeTest, SplitTransformsMatchOneTransform) {
    constexpr std::uint32_t kLength = 70;
    for (const std::uint32_t start : {0u, 5u, 16u, 4095u}) {
        std::vector<std::uint8_t> whole(kLength, 0x3C);
        Ferrik_CounterMode one(cipher_, iv_.data());
        one.SetPosition(start);
        one.TransformBytesInPlace(whole.data(), kLength);
        for (std::uint32_t split = 0; split <= kLength; ++split) {
            SCOPED_TRACE(testing::Message() << "start " << start << " split " << split);
            std::vector<std::uint8_t> parts(kLength, 0x3C);
            Ferrik_CounterMode first(cipher_, iv_.data());
            first.SetPosition(start);
            first.TransformBytesInPlace(parts.data(), split);
            Ferrik_CounterMode second(cipher_, iv_.data());
            second.SetPosition(start + split);
            second.TransformBytesInPlace(parts.data() + split, kLength - split);
            ASSERT_EQ(parts, whole);
        }
    }
}

// The register after SetPosition is IV + offset div 16, big-endian modulo
// 2^128; observed through the keystream, which is E(register).
TEST_F(CounterModeTest, SetPositionCarriesThroughTheWholeRegister) {
    struct Row {
        std::string_view iv;
        std::uint32_t offset;
        std::string_view expectedRegister;
    };
    // Sums computed with Python integers.
    constexpr Row kRows[] = {
        {"0000000000000000ffffffffffffffff", 16, "00000000000000010000000000000000"},
        {"ffffffffffffffffffffffffffffffff", 16, "00000000000000000000000000000000"},
        {"f0f1f2f3f4f5f6f7f8f9fafbfcfdfeff", 17, "f0f1f2f3f4f5f6f7f8f9fafbfcfdff00"},
        {"000000000000000000000000ffffffff", 0xFFFFFFFF, "0000000000000000000000010ffffffe"},
        {"000102030405060708090a0b0c0d0e0f", 0x12345678, "000102030405060708090a0b0d305376"},
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.iv);
        const auto iv = FromHexArray<16>(row.iv);
        Ferrik_CounterMode mode(cipher_, iv.data());
        mode.SetPosition(row.offset);
        std::array<std::uint8_t, 16> expected = FromHexArray<16>(row.expectedRegister);
        cipher_.TransformBlockInPlace(expected.data());
        for (std::uint32_t i = row.offset % 16; i < 16; ++i) {
            ASSERT_EQ(mode.NextByte(), expected[i]) << "byte " << i;
        }
    }
}

TEST_F(CounterModeTest, IncrementWrapsAnAllOnesRegisterToZero) {
    const auto iv = FromHexArray<16>("ffffffffffffffffffffffffffffffff");
    Ferrik_CounterMode mode(cipher_, iv.data());
    std::array<std::uint8_t, 32> keystream{};
    mode.TransformBytesInPlace(keystream.data(), 32);
    std::array<std::uint8_t, 16> zeroBlock{};
    cipher_.TransformBlockInPlace(zeroBlock.data());
    EXPECT_TRUE(std::equal(zeroBlock.begin(), zeroBlock.end(), keystream.begin() + 16));
}

TEST_F(CounterModeTest, OutlivesTheCipherItBorrowed) {
    auto* cipher = new AESEncryption(key_);
    Ferrik_CounterMode mode(*cipher, iv_.data());
    delete static_cast<Ferrik_BlockTransformation*>(cipher);
    // The mode's destructor must not touch the deleted cipher.
}

TEST_F(CounterModeTest, FullByteRangeTakesTheNextKeystreamByte) {
    Ferrik_CounterMode mode(cipher_, iv_.data());
    const std::vector<std::uint8_t> keystream = [&] {
        std::vector<std::uint8_t> ks(3);
        Ferrik_CounterMode(cipher_, iv_.data()).NextBlock(ks.data(), 3);
        return ks;
    }();
    EXPECT_EQ(mode.NextInRange(0, 255), keystream[0]);
    EXPECT_EQ(mode.NextInRange(9, 9), 9u);
    EXPECT_EQ(mode.NextByte(), keystream[1]);
}

} // namespace
