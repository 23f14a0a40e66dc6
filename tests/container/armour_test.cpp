#include "TestBytes.h"
#include "container/Armour.h"
#include "container/Base64.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kComment = "Encrypted with Quiralis.";

std::vector<std::uint8_t> Sample(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 73 + 5);
    }
    return bytes;
}

std::string WithoutLineEnds(std::string text) {
    std::erase(text, '\n');
    std::erase(text, '\r');
    return text;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// An armour of 216 payload bytes: four base64 lines of 72 characters.
const std::vector<std::uint8_t> kPayload = Sample(216);
const std::string kArmour = WriteArmour(kComment, kPayload);
const std::string kBase64 = WithoutLineEnds(Base64Encode(kPayload, true));

TEST(ArmourTest, WrittenLayoutByteForByte) {
    EXPECT_EQ(WriteArmour(kComment, FromText("foobar")), "------QMX BEGIN MSG------\r\n"
                                                         "Encrypted with Quiralis.\r\n"
                                                         "\r\n"
                                                         "Zm9vYmFy\n"
                                                         "\r\n"
                                                         "-------QMX END MSG-------");
}

TEST(ArmourTest, LongPayloadKeepsItsLinesAndEndsAtTheMarker) {
    const std::string expected = std::string(kArmourBeginMarker) + "\r\n" + std::string(kComment) +
                                 "\r\n\r\n" + Base64Encode(kPayload, true) + "\r\n" +
                                 std::string(kArmourEndMarker);
    EXPECT_EQ(kArmour, expected);
    const std::string tail = "\n\r\n" + std::string(kArmourEndMarker);
    EXPECT_TRUE(kArmour.ends_with(tail));
}

struct FoundCase {
    const char* what;
    std::string text;
    std::string filtered;
};

TEST(ArmourTest, FindArmourFiltersTheFirstBlock) {
    const std::string lines[] = {kBase64.substr(0, 72), kBase64.substr(72, 72),
                                 kBase64.substr(144, 72), kBase64.substr(216)};
    const std::string begin(kArmourBeginMarker);
    const std::string end(kArmourEndMarker);
    const std::string second = WriteArmour(kComment, Sample(30));
    const std::string noComment = begin + "\r\n\r\n" + lines[0] + "\n" + lines[1] + "\n" +
                                  lines[2] + "\n" + lines[3] + "\n\r\n" + end;
    const std::string quoted = "> " + ReplaceAll(kArmour, "\n", "\n> ");
    const FoundCase cases[] = {
        {"as written", kArmour, kBase64},
        {"inside other text", "Hi,\r\nsee below.\r\n" + kArmour + "\r\nBye\r\n", kBase64},
        {"line ends all LF", ReplaceAll(kArmour, "\r\n", "\n"), kBase64},
        {"line ends all CR LF", ReplaceAll(ReplaceAll(kArmour, "\r\n", "\n"), "\n", "\r\n"),
         kBase64},
        {"comment in another script", WriteArmour("Зашифровано Quiralis.", kPayload), kBase64},
        {"comment line missing swallows the first base64 line", noComment,
         lines[1] + lines[2] + lines[3]},
        {"quoting prefixes stay", quoted,
         ">>" + lines[0] + ">" + lines[1] + ">" + lines[2] + ">" + lines[3] + ">>"},
        {"two blocks, the first wins", kArmour + "\r\n" + second, kBase64},
    };
    for (const FoundCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string filtered;
        EXPECT_EQ(FindArmour(c.text, filtered), RC_OK);
        EXPECT_EQ(filtered, c.filtered);
    }
}

TEST(ArmourTest, MissingMarkerIsBadFormat) {
    const std::string begin(kArmourBeginMarker);
    const std::string end(kArmourEndMarker);
    const std::string cases[] = {
        "",
        "plain words",
        kArmour.substr(0, kArmour.size() - 1),
        kArmour.substr(1),
        end + "\r\n" + begin + "\r\nComment\r\n\r\nQUJD\n",
        begin,
        begin + "\r\n" + end, // the end marker is taken for the comment line
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        std::string filtered = "untouched";
        EXPECT_EQ(FindArmour(text, filtered), RC_BAD_FORMAT);
        EXPECT_EQ(filtered, "untouched");
    }
}

TEST(ArmourTest, WrittenArmourDecodesToItsPayload) {
    for (std::size_t size : {1u, 54u, 55u, 213u, 1000u}) {
        SCOPED_TRACE(size);
        const std::vector<std::uint8_t> payload = Sample(size);
        std::string filtered;
        ASSERT_EQ(FindArmour(WriteArmour(kComment, payload), filtered), RC_OK);
        EXPECT_EQ(Base64Decode(filtered), payload);
    }
}

struct MarkerCase {
    const char* what;
    std::string text;
    bool expected;
};

TEST(ArmourTest, HasArmourMarkerNeedsACharacterAfterTheMarker) {
    const std::string begin(kArmourBeginMarker);
    const MarkerCase cases[] = {
        {"empty", "", false},
        {"shorter than the marker", "QMX", false},
        {"marker less its last hyphen", begin.substr(0, begin.size() - 1), false},
        {"exactly the marker", begin, false},
        {"text ending with the marker", "pasted: " + begin, false},
        {"one more character", begin + "x", true},
        {"one more multi-byte character", begin + "\xC3\xA9", true},
        {"marker inside text", "a\r\n" + begin + "\r\nb", true},
        {"end marker only", std::string(kArmourEndMarker) + "\r\n", false},
        {"a whole armour", kArmour, true},
    };
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(HasArmourMarker(c.text), c.expected);
    }
}

} // namespace
