#include "crypto/CipherTestSupport.h"
#include "crypto/Keystream.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <string_view>

namespace {

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(DerivePasswordKeyTest, IsSha256OfTheSha1DigestOfThePassword) {
    struct Row {
        std::string password;
        std::string_view key;
    };
    // Python hashlib: sha256(sha1(password).digest()). The 55/56 and 64/65
    // byte pairs bracket the extra padding block of SHA-1.
    const std::string letters = "abcdefghijklmnopqrstuvwxyz";
    const std::string alphabets = letters + letters + letters;
    const Row rows[] = {
        {"", "533b8c444f951e83eff7305e3807b66ce0005de0a2d0a44873c130895a3be6aa"},
        {"a", "a18c1eeb71ac646b47ad5e6d6b12e08caa028759cf1988cc8f740fe1e6e27866"},
        {alphabets.substr(0, 55),
         "d32ff7503623c90e2e8571194d150293cb7b0ffd924053a95f62f91f827481ff"},
        {alphabets.substr(0, 56),
         "edfefbe5aa44bfce8cbd7946a60a731088e268b881ab0f44e2e8514352d7c03f"},
        {alphabets.substr(0, 64),
         "51336c5eeabc7baf37225de5817d083928bcc6172d328a7b07f71dea8d7b2810"},
        {alphabets.substr(0, 65),
         "02ba4022157629a9b5e469beb0b96807529631a4727fae96061da31b86b524f0"},
        // "pässwörd" in code page 1252: bytes above 0x7F.
        {"p\xE4ssw\xF6rd", "14b1eebe3dccdde81befedb49a0be94ea1f6a9cadde2c651998bf214f2859f77"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.password.size());
        std::array<std::uint8_t, 32> key{};
        EXPECT_EQ(DerivePasswordKey(Bytes(row.password), key), 0u);
        EXPECT_EQ(ToHex(key), row.key);
    }
}

} // namespace
