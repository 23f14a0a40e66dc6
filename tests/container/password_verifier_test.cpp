#include "TestBytes.h"
#include "container/PasswordVerifier.h"
#include "crypto/Keystream.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

using PasswordKey = std::array<std::uint8_t, 32>;

PasswordKey SampleKey() {
    PasswordKey key;
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    return key;
}

// Verifier filled with 0x00..0x13, nonce 0x10..0x23, other bytes 0xEE.
KeyBlock SampleKeyBlock() {
    KeyBlock keyBlock;
    keyBlock.fill(0xEE);
    for (std::size_t i = 0; i < kVerifierSize; ++i) {
        keyBlock[KeyBlockOffset::verifier + i] = static_cast<std::uint8_t>(i);
        keyBlock[KeyBlockOffset::nonce + i] = static_cast<std::uint8_t>(0x10 + i);
    }
    return keyBlock;
}

std::vector<std::uint8_t> Verifier(const KeyBlock& keyBlock) {
    const auto begin = keyBlock.begin() + KeyBlockOffset::verifier;
    return {begin, begin + kVerifierSize};
}

KeyBlock Sealed(KeyBlock keyBlock, const PasswordKey& key) {
    EXPECT_EQ(SealVerifier(keyBlock, key), RC_OK);
    return keyBlock;
}

// Expected bytes from `openssl enc -aes-192-ctr` with key A0..B7 and IV 10..1F.
TEST(PasswordVerifierTest, SealPlantsCheckBytesAndEnciphersOnlyTheVerifier) {
    const KeyBlock plain = SampleKeyBlock();
    const KeyBlock sealed = Sealed(plain, SampleKey());

    EXPECT_EQ(Verifier(sealed),
              FromHex("30 77 2b 28 bd 5a 69 41 67 08 e4 4f 97 17 33 b6 1e 1a 10 55"));
    KeyBlock outside = sealed;
    std::copy_n(plain.begin() + KeyBlockOffset::verifier, kVerifierSize,
                outside.begin() + KeyBlockOffset::verifier);
    EXPECT_EQ(outside, plain);
}

TEST(PasswordVerifierTest, CheckWithTheSealingKeyPassesAndLeavesThePlainVerifier) {
    KeyBlock keyBlock = Sealed(SampleKeyBlock(), SampleKey());
    EXPECT_EQ(CheckVerifier(keyBlock, SampleKey()), RC_OK);
    EXPECT_EQ(Verifier(keyBlock),
              FromHex("00 01 02 03 af 05 06 07 08 50 0a 0b 4a 0d 0e 0f 10 07 12 13"));
}

struct KeyChange {
    const char* what;
    bool inKey; // otherwise in the nonce
    std::size_t index;
    ResultCode expected;
};

// AES-192 reads key bytes 0..23; the IV is the first 16 nonce bytes.
TEST(PasswordVerifierTest, OnlyTheAesKeyAndIvBytesDecide) {
    const KeyChange cases[] = {
        {"key byte 0", true, 0, RC_WRONG_PASSWORD},
        {"key byte 23", true, 23, RC_WRONG_PASSWORD},
        {"key byte 24", true, 24, RC_OK},
        {"key byte 31", true, 31, RC_OK},
        {"nonce byte 0", false, 0, RC_WRONG_PASSWORD},
        {"nonce byte 15", false, 15, RC_WRONG_PASSWORD},
        {"nonce byte 16", false, 16, RC_OK},
        {"nonce byte 19", false, 19, RC_OK},
    };
    for (const KeyChange& c : cases) {
        SCOPED_TRACE(c.what);
        KeyBlock keyBlock = Sealed(SampleKeyBlock(), SampleKey());
        PasswordKey key = SampleKey();
        (c.inKey ? key[c.index] : keyBlock[KeyBlockOffset::nonce + c.index]) ^= 0x01;
        EXPECT_EQ(CheckVerifier(keyBlock, key), c.expected);
    }
}

TEST(PasswordVerifierTest, EachCheckByteIsTestedAndNoOtherVerifierByte) {
    const KeyBlock sealed = Sealed(SampleKeyBlock(), SampleKey());
    for (std::size_t offset = KeyBlockOffset::verifier;
         offset < KeyBlockOffset::verifier + kVerifierSize; ++offset) {
        SCOPED_TRACE(offset);
        const bool isCheckByte = offset == 8 || offset == 13 || offset == 16 || offset == 21;
        KeyBlock damaged = sealed;
        damaged[offset] ^= 0x80;
        EXPECT_EQ(CheckVerifier(damaged, SampleKey()), isCheckByte ? RC_WRONG_PASSWORD : RC_OK);
    }
}

TEST(PasswordVerifierTest, DifferentRandomFillsBothPass) {
    KeyBlock other = SampleKeyBlock();
    std::fill_n(other.begin() + KeyBlockOffset::verifier, kVerifierSize, std::uint8_t{0x5A});
    for (KeyBlock keyBlock : {SampleKeyBlock(), other}) {
        keyBlock = Sealed(keyBlock, SampleKey());
        EXPECT_EQ(CheckVerifier(keyBlock, SampleKey()), RC_OK);
    }
}

// The body is enciphered from keystream byte 0 with the same key and nonce.
TEST(PasswordVerifierTest, VerifierSharesKeystreamWithTheFirstBodyBytes) {
    const KeyBlock plain = SampleKeyBlock();
    KeyBlock sealed = Sealed(plain, SampleKey());
    ASSERT_EQ(CheckVerifier(sealed, SampleKey()), RC_OK);
    const std::vector<std::uint8_t> planted = Verifier(sealed);
    sealed = Sealed(plain, SampleKey());

    std::vector<std::uint8_t> body(64, 0);
    const PasswordKey key = SampleKey();
    ASSERT_EQ(ApplyKeystreamChunked(std::span(sealed).subspan<KeyBlockOffset::nonce, 16>(),
                                    std::span(key).first<24>(), body, 0),
              0u);
    for (std::size_t i = 0; i < kVerifierSize; ++i) {
        EXPECT_EQ(sealed[KeyBlockOffset::verifier + i] ^ planted[i], body[i]) << "byte " << i;
    }
}

} // namespace
