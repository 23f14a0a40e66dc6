#pragma once
// Known digests shared by the SHA-1 streaming and hash class tests. A row's
// message is `text` repeated up to `length` bytes; an empty text stands for
// the pattern byte i = i mod 251 (python: bytes(i % 251 for i in range(n))).

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

struct HashVector {
    const char* source;
    std::string_view text;
    std::uint32_t length;
    const char* sha1;
    const char* sha256;
};

inline constexpr std::string_view kTwoBlockText =
    "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
inline constexpr std::string_view kFourBlockText =
    "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnop"
    "qrsmnopqrstnopqrstu";

// Lengths 55/56, 63/64/65, 119/120 bracket the extra padding block.
inline const HashVector kHashVectors[] = {
    {"empty message (sha1sum, sha256sum)", "", 0, "da39a3ee5e6b4b0d3255bfef95601890afd80709",
     "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    {"FIPS 180-2 A.1 and B.1, \"abc\"", "abc", 3, "a9993e364706816aba3e25717850c26c9cd0d89d",
     "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
    {"FIPS 180-2 A.2 and B.2, 448 bits", kTwoBlockText, 56,
     "84983e441c3bd26ebaae4aa1f95129e5e54670f1",
     "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    {"FIPS 180-2 C.2 text, 896 bits (python hashlib)", kFourBlockText, 112,
     "a49b2446a02c645bf419f995b67091253a04a259",
     "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
    {"FIPS 180-2 A.3 and B.3, a million 'a'", "a", 1000000,
     "34aa973cd4c4daa4f61eeb2bdbad27316534016f",
     "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    {"python hashlib", "The quick brown fox jumps over the lazy dog", 43,
     "2fd4e1c67a2d28fced849ee1bb76e7391b93eb12",
     "d7a8fbb307d7809469ca9abcb0082e4f8d5651e46d3cdb762d02d0bf37c9e592"},
    {"python hashlib, pattern", "", 1, "5ba93c9db0cff93f52b521d7420e43f6eda2784f",
     "6e340b9cffb37a989ca544e6bb780a2c78901d3fb33738768511a30617afa01d"},
    {"python hashlib, pattern", "", 55, "8ae2d46729cfe68ff927af5eec9c7d1b66d65ac2",
     "463eb28e72f82e0a96c0a4cc53690c571281131f672aa229e0d45ae59b598b59"},
    {"python hashlib, pattern", "", 56, "636e2ec698dac903498e648bd2f3af641d3c88cb",
     "da2ae4d6b36748f2a318f23e7ab1dfdf45acdc9d049bd80e59de82a60895f562"},
    {"python hashlib, pattern", "", 63, "6d942da0c4392b123528f2905c713a3ce28364bd",
     "29af2686fd53374a36b0846694cc342177e428d1647515f078784d69cdb9e488"},
    {"python hashlib, pattern", "", 64, "c6138d514ffa2135bfce0ed0b8fac65669917ec7",
     "fdeab9acf3710362bd2658cdc9a29e8f9c757fcf9811603a8c447cd1d9151108"},
    {"python hashlib, pattern", "", 65, "69bd728ad6e13cd76ff19751fde427b00e395746",
     "4bfd2c8b6f1eec7a2afeb48b934ee4b2694182027e6d0fc075074f2fabb31781"},
    {"python hashlib, pattern", "", 119, "41c89d06001bab4ab78736b44efe7ce18ce6ae08",
     "da18797ed7c3a777f0847f429724a2d8cd5138e6ed2895c3fa1a6d39d18f7ec6"},
    {"python hashlib, pattern", "", 120, "d3dbd653bd8597b7475321b60a36891278e6a04a",
     "f52b23db1fbb6ded89ef42a23ce0c8922c45f25c50b568a93bf1c075420bbb7c"},
    {"python hashlib, pattern", "", 127, "89d7312a903f65cd2b3e34a975e55dbea9033353",
     "92ca0fa6651ee2f97b884b7246a562fa71250fedefe5ebf270d31c546bfea976"},
    {"python hashlib, pattern", "", 128, "e6434bc401f98603d7eda504790c98c67385d535",
     "471fb943aa23c511f6f72f8d1652d9c880cfa392ad80503120547703e56a2be5"},
    {"python hashlib, pattern", "", 1000, "c9c960a0b925474fab83942cc27d504fc24ac37b",
     "4e4c294b331f7a2099a379bec34b9f9fc03dc46ab465d998f4d683da53487e6d"},
    {"python hashlib, pattern", "", 4099, "e19a1105976b5abe75c86376bf4e1f6e4f19bafd",
     "5bfe486adf0afd901e2fb5cc72f10fa382239697a82f04e2e8de9b3d789b5771"},
};

inline std::vector<std::uint8_t> PatternBytes(std::uint32_t length) {
    std::vector<std::uint8_t> bytes(length);
    for (std::uint32_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i % 251);
    }
    return bytes;
}

inline std::vector<std::uint8_t> MessageOf(const HashVector& vector) {
    if (vector.text.empty()) {
        return PatternBytes(vector.length);
    }
    std::vector<std::uint8_t> bytes(vector.length);
    for (std::uint32_t i = 0; i < vector.length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(vector.text[i % vector.text.size()]);
    }
    return bytes;
}

inline std::vector<std::uint8_t> BytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

inline std::string ToHex(const std::uint8_t* bytes, std::size_t length) {
    std::string hex;
    for (std::size_t i = 0; i < length; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
        hex += pair;
    }
    return hex;
}

inline std::uint32_t SizeOf(const std::vector<std::uint8_t>& bytes) {
    return static_cast<std::uint32_t>(bytes.size());
}
