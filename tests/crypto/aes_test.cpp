#include "crypto/AES.h"
#include "crypto/CipherTestSupport.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <span>
#include <string_view>

namespace {

struct BlockVector {
    const char* source;
    std::string_view key;
    std::string_view plaintext;
    std::string_view ciphertext;
};

constexpr BlockVector kBlockVectors[] = {
    {"FIPS 197 C.2", "000102030405060708090a0b0c0d0e0f1011121314151617",
     "00112233445566778899aabbccddeeff", "dda97ca4864cdfe06eaf70a0ec0d7191"},
    {"NIST SP 800-38A F.1.3", "8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b",
     "6bc1bee22e409f96e93d7e117393172a", "bd334f1d6e45f25ff712a214571fa5cc"},
};

TEST(AESEncryptionTest, EnciphersStandardVectorsOutOfPlaceAndInPlace) {
    for (const BlockVector& v : kBlockVectors) {
        SCOPED_TRACE(v.source);
        const auto key = FromHexArray<24>(v.key);
        const AESEncryption cipher(key);
        const auto plaintext = FromHexArray<16>(v.plaintext);

        std::array<std::uint8_t, 16> output{};
        cipher.TransformBlock(plaintext.data(), output.data());
        EXPECT_EQ(ToHex(output), v.ciphertext);

        auto aliased = plaintext;
        cipher.TransformBlock(aliased.data(), aliased.data());
        EXPECT_EQ(ToHex(aliased), v.ciphertext);

        auto inPlace = plaintext;
        cipher.TransformBlockInPlace(inPlace.data());
        EXPECT_EQ(ToHex(inPlace), v.ciphertext);
    }
}

// Reaches far more table entries than the single-block vectors: the last
// block of openssl enc -aes-192-cbc over 1,000 zero blocks with a zero IV.
TEST(AESEncryptionTest, ThousandChainedEncryptionsMatchOpenssl) {
    const AESEncryption cipher(FromHexArray<24>(kBlockVectors[0].key));
    std::array<std::uint8_t, 16> block{};
    for (int i = 0; i < 1000; ++i) {
        cipher.TransformBlockInPlace(block.data());
    }
    EXPECT_EQ(ToHex(block), "b16827c199247bccf3bd908423b13929");
}

TEST(AESEncryptionTest, BlockLengthIsSixteen) {
    const std::array<std::uint8_t, 24> key{};
    const AESEncryption cipher(key);
    EXPECT_EQ(cipher.BlockLength(), 16u);
}

// The password key is 32 bytes; only its first 24 key the cipher.
TEST(AESEncryptionTest, ReadsOnlyTheFirst24KeyBytes) {
    const auto key = FromHexArray<24>(kBlockVectors[0].key);
    // Exactly 24 heap bytes, so a read past byte 23 is caught by the sanitizer.
    const auto tight = std::make_unique<std::uint8_t[]>(24);
    std::copy(key.begin(), key.end(), tight.get());
    std::array<std::uint8_t, 32> longer{};
    std::copy(key.begin(), key.end(), longer.begin());
    std::fill(longer.begin() + 24, longer.end(), std::uint8_t{0xA5});

    const AESEncryption fromTight(std::span<const std::uint8_t, 24>(tight.get(), 24));
    const AESEncryption fromLonger(std::span<const std::uint8_t, 32>(longer).first<24>());
    const auto plaintext = FromHexArray<16>(kBlockVectors[0].plaintext);
    std::array<std::uint8_t, 16> a{};
    std::array<std::uint8_t, 16> b{};
    fromTight.TransformBlock(plaintext.data(), a.data());
    fromLonger.TransformBlock(plaintext.data(), b.data());
    EXPECT_EQ(ToHex(a), kBlockVectors[0].ciphertext);
    EXPECT_EQ(a, b);
}

class ExposedKeySchedule : public AESEncryption {
public:
    using AESEncryption::AESEncryption;
    std::uint32_t Word(std::uint32_t i) const { return m_roundKeys[i]; }
    std::uint32_t Count() const { return m_roundKeys.size(); }
};

TEST(AESKeyExpansionTest, MatchesTheStandardsExpansionWords) {
    struct Row {
        std::uint32_t index;
        std::uint32_t word;
    };
    // FIPS 197 A.2, key 8e73b0f7 da0e6452 c810f32b 809079e5 62f8ead2 522c6b7b.
    constexpr Row kRows[] = {{0, 0x8e73b0f7},  {5, 0x522c6b7b},  {6, 0xfe0c91f7},
                             {7, 0x2402f5a5},  {11, 0x5c56fec2}, {12, 0x4db7b4bd},
                             {23, 0x113b30e6}, {47, 0xbc3ce7b5}, {51, 0x01002202}};
    const ExposedKeySchedule schedule(FromHexArray<24>(kBlockVectors[1].key));
    ASSERT_EQ(schedule.Count(), 54u);
    for (const Row& row : kRows) {
        EXPECT_EQ(schedule.Word(row.index), row.word) << "w" << row.index;
    }
}

} // namespace
