#include "TestBytes.h"
#include "container/Base64.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Sample(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 151 + 7);
    }
    return bytes;
}

std::vector<std::size_t> LineLengths(const std::string& text) {
    std::vector<std::size_t> lengths;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         end = text.find('\n', start)) {
        lengths.push_back(end - start);
        start = end + 1;
    }
    EXPECT_EQ(start, text.size()) << "text does not end with LF";
    return lengths;
}

struct Rfc4648Vector {
    const char* plain;
    const char* encoded;
};

// RFC 4648 section 10.
constexpr Rfc4648Vector kRfc4648Vectors[] = {
    {"", ""},
    {"f", "Zg=="},
    {"fo", "Zm8="},
    {"foo", "Zm9v"},
    {"foob", "Zm9vYg=="},
    {"fooba", "Zm9vYmE="},
    {"foobar", "Zm9vYmFy"},
};

TEST(Base64Test, EncodesRfc4648Vectors) {
    for (const Rfc4648Vector& v : kRfc4648Vectors) {
        SCOPED_TRACE(v.plain);
        const std::string encoded = v.encoded;
        EXPECT_EQ(Base64Encode(FromText(v.plain), false), encoded);
        EXPECT_EQ(Base64Encode(FromText(v.plain), true), encoded.empty() ? "" : encoded + "\n");
    }
}

TEST(Base64Test, DecodesRfc4648Vectors) {
    for (const Rfc4648Vector& v : kRfc4648Vectors) {
        SCOPED_TRACE(v.plain);
        if (*v.encoded == '\0') {
            EXPECT_FALSE(Base64Decode(v.encoded).has_value());
        } else {
            EXPECT_EQ(Base64Decode(v.encoded), FromText(v.plain));
        }
    }
}

struct LineCase {
    std::size_t bytes;
    std::vector<std::size_t> lines;
};

TEST(Base64Test, LineBreaksAfterEvery72CharactersAndAtTheEnd) {
    const LineCase cases[] = {
        {1, {4}},        {51, {68}},
        {52, {72}}, // the final group fills the line
        {54, {72}},      {55, {72, 4}},
        {108, {72, 72}}, {216, {72, 72, 72, 72}}, // the payload of a three-byte message
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.bytes);
        const std::vector<std::uint8_t> bytes = Sample(c.bytes);
        const std::string text = Base64Encode(bytes, true);
        EXPECT_EQ(LineLengths(text), c.lines);
        EXPECT_EQ(Base64Decode(text), bytes);
    }
}

TEST(Base64Test, FiftyFiveBytesEndInAPaddedShortLine) {
    const std::string text = Base64Encode(Sample(55), true);
    ASSERT_EQ(text.size(), 78u);
    EXPECT_EQ(text[72], '\n');
    EXPECT_EQ(text.substr(75), "==\n");
}

TEST(Base64Test, RoundTripsEveryLengthWithAndWithoutLineBreaks) {
    for (std::size_t size = 1; size <= 200; ++size) {
        SCOPED_TRACE(size);
        const std::vector<std::uint8_t> bytes = Sample(size);
        const std::string plainText = Base64Encode(bytes, false);
        EXPECT_EQ(plainText.size(), (size + 2) / 3 * 4);
        EXPECT_EQ(plainText.find('\n'), std::string::npos);
        EXPECT_EQ(Base64Decode(plainText), bytes);
        EXPECT_EQ(Base64Decode(Base64Encode(bytes, true)), bytes);
    }
}

struct DecodeCase {
    const char* rule;
    std::string text;
    const char* bytesHex; // nullptr: decoding fails
};

TEST(Base64Test, DecodeRules) {
    const DecodeCase cases[] = {
        {"'=' in the fourth place drops one byte", "QUI=", "41 42"},
        {"'=' in the third place drops two bytes", "QQ==", "41"},
        {"'=' in the third place alone drops two bytes", "QQ=A", "41"},
        {"'=' in the second place is zero bits", "Q=Q=", "40 04"},
        {"'=' in an earlier group is zero bits", "QQ==QUJD", "41 00 00 41 42 43"},
        {"a group of '=' alone", "====", "00"},
        {"line ends and spaces are skipped", "Q U\r\nJ-D", "41 42 43"},
        {"quoting prefixes are skipped", "> QUJD\n> RA==\n", "41 42 43 44"},
        {"bytes above 0x7F are skipped", "\xC3\xA9QUJD\xFF", "41 42 43"},
        {"stray characters do not count", "QUJD!", "41 42 43"},
        {"three characters", "QUJ", nullptr},
        {"five characters", "QUJDR", nullptr},
        {"empty text", "", nullptr},
        {"no alphabet character", "\r\n !*-", nullptr},
        {"a NUL byte is skipped", std::string("QU\0JD", 5), "41 42 43"},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.rule);
        const auto decoded = Base64Decode(c.text);
        if (c.bytesHex == nullptr) {
            EXPECT_FALSE(decoded.has_value());
        } else {
            EXPECT_EQ(decoded, FromHex(c.bytesHex));
        }
    }
}

} // namespace
