#include "TestBytes.h"
#include "container/Armour.h"
#include "container/Base64.h"
#include "container/KeyBlock.h"
#include "container/LittleEndian.h"
#include "container/MessageLayout.h"
#include "container/OpenMessage.h"
#include "container/PasswordVerifier.h"
#include "container/ScrambleState.h"
#include "container/SealMessage.h"
#include "container/Sha1OfBytes.h"
#include "crypto/Keystream.h"
#include "crypto/ScrambleGenerator.h"
#include "platform/Clock.h"
#include "platform/RandomProvider.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kComment = "Encrypted with Quiralis.";
const std::vector<std::uint8_t> kPassword = FromText("Tr0ub4dor&3");
const std::vector<std::uint8_t> kWrongPassword = FromText("tr0ub4dor&3");

std::string Seal(std::string_view text, bool forceViewer = false) {
    std::string armour;
    EXPECT_EQ(SealMessage(text, kPassword, forceViewer, kComment, armour), RC_OK);
    return armour;
}

struct Opened {
    ResultCode code;
    OpenedMessage message;
};

Opened Open(std::string_view text, const std::vector<std::uint8_t>& password = kPassword) {
    Opened opened{};
    opened.code = OpenMessage(text, password, opened.message);
    return opened;
}

std::vector<std::uint8_t> PayloadOf(std::string_view armour) {
    std::string filtered;
    EXPECT_EQ(FindArmour(armour, filtered), RC_OK);
    return Base64Decode(filtered).value_or(std::vector<std::uint8_t>{});
}

KeyBlock PlainKeyBlock(const std::vector<std::uint8_t>& payload) {
    KeyBlock keyBlock{};
    std::copy_n(payload.begin(), kKeyBlockSize, keyBlock.begin());
    ScrambleState().unscramble(keyBlock);
    return keyBlock;
}

// Stores a changed plain key block, with its digest recomputed, and armours again.
std::string Rearmoured(std::vector<std::uint8_t> payload, KeyBlock keyBlock) {
    StoreDigest(keyBlock, KeyBlockOffset::keyBlockDigest, MessageKeyBlockDigest(keyBlock));
    ScrambleState().scramble(keyBlock);
    std::ranges::copy(keyBlock, payload.begin());
    return WriteArmour(kComment, payload);
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST(MessageTest, ThreeBytesMakeTheDocumentedLayout) {
    const std::string armour = Seal("abc");
    const std::string head =
        std::string(kArmourBeginMarker) + "\r\n" + std::string(kComment) + "\r\n\r\n";
    ASSERT_TRUE(armour.starts_with(head));
    ASSERT_TRUE(armour.ends_with("\n\r\n" + std::string(kArmourEndMarker)));
    const std::string base64 =
        armour.substr(head.size(), armour.size() - head.size() - kArmourEndMarker.size() - 2);
    EXPECT_EQ(base64.size(), 4u * 73u);
    for (std::size_t line = 0; line < 4; ++line) {
        EXPECT_EQ(base64[line * 73 + 72], '\n') << "line " << line;
    }

    const std::vector<std::uint8_t> payload = PayloadOf(armour);
    ASSERT_EQ(payload.size(), 216u);
    EXPECT_EQ(payload[212], 0);
    const KeyBlock keyBlock = PlainKeyBlock(payload);
    EXPECT_EQ(GetU32(keyBlock, KeyBlockOffset::version), kKeyBlockVersion);
    EXPECT_EQ(GetU32(keyBlock, KeyBlockOffset::originalSize), 3u);
    EXPECT_TRUE(StoredDigestMatches(keyBlock, KeyBlockOffset::keyBlockDigest,
                                    MessageKeyBlockDigest(keyBlock)));
}

TEST(MessageTest, ForceViewerTravelsInTheFlags) {
    for (const bool forceViewer : {false, true}) {
        SCOPED_TRACE(forceViewer);
        const std::string armour = Seal("read me in the viewer", forceViewer);
        EXPECT_EQ(GetU32(PlainKeyBlock(PayloadOf(armour)), KeyBlockOffset::flags),
                  forceViewer ? 3u : 2u);
        const Opened opened = Open(armour);
        EXPECT_EQ(opened.code, RC_OK);
        EXPECT_EQ(opened.message.forceViewer, forceViewer);
    }
}

TEST(MessageTest, TextsComeBackUnchanged) {
    const std::string texts[] = {
        "a",
        "Meet me at the station at 10.\r\nBring the papers.",
        "Привет, мир! Встречаемся в десять.",
        "こんにちは、世界。駅で十時に会いましょう。",
        std::string(70000, 'x') + "end", // crosses a keystream chunk
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 40));
        const Opened opened = Open(Seal(text));
        EXPECT_EQ(opened.code, RC_OK);
        EXPECT_EQ(opened.message.text, text);
    }
}

// The body digest covers the body's base64 without its last character, whatever the length
// and whether or not it ends in padding.
TEST(MessageTest, BodyDigestCoversTheWholeBase64ButItsLastCharacter) {
    for (const std::size_t length : {1u, 2u, 3u, 3071u, 3072u, 3073u, 6145u, 10000u}) {
        SCOPED_TRACE(length);
        const std::vector<std::uint8_t> payload = PayloadOf(Seal(std::string(length, 'q')));
        ASSERT_EQ(payload.size(), kMessageBodyOffset + length);
        const std::string base64 =
            Base64Encode(std::span(payload).subspan(kMessageBodyOffset), false);
        const KeyBlock keyBlock = PlainKeyBlock(payload);
        EXPECT_TRUE(StoredDigestMatches(
            keyBlock, KeyBlockOffset::bodyDigest,
            Sha1OfBytes(std::string_view(base64).substr(0, base64.size() - 1))));
    }
}

TEST(MessageTest, PlainTextEndsAtItsFirstNul) {
    const Opened opened = Open(Seal(std::string("before\0after", 12)));
    EXPECT_EQ(opened.code, RC_OK);
    EXPECT_EQ(opened.message.text, "before");
}

TEST(MessageTest, EmptyTextSealsToNothing) {
    std::string armour = "previous";
    EXPECT_EQ(SealMessage("", kPassword, false, kComment, armour), RC_OK);
    EXPECT_TRUE(armour.empty());
}

TEST(MessageTest, TwoSealsOfOneTextDifferAndBothOpen) {
    const std::string first = Seal("same text");
    const std::string second = Seal("same text");
    EXPECT_NE(first, second);
    EXPECT_EQ(Open(first).message.text, "same text");
    EXPECT_EQ(Open(second).message.text, "same text");
}

struct FoundCase {
    const char* what;
    std::string text;
};

TEST(MessageTest, OpensTheFirstBlockWhereverItStands) {
    const std::string armour = Seal("first block");
    const std::string lf = ReplaceAll(armour, "\r\n", "\n");
    const FoundCase cases[] = {
        {"inside other text", "Hello,\r\nplease read:\r\n" + armour + "\r\nRegards\r\n"},
        {"line ends all LF", lf},
        {"line ends all CR LF", ReplaceAll(lf, "\n", "\r\n")},
        {"two blocks", armour + "\r\n\r\n" + Seal("second block")},
    };
    for (const FoundCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Opened opened = Open(c.text);
        EXPECT_EQ(opened.code, RC_OK);
        EXPECT_EQ(opened.message.text, "first block");
    }
}

// The filtered base64 of a short message: head, then 73 characters a line.
std::size_t ArmourPositionOfBase64(std::size_t index) {
    const std::size_t head = kArmourBeginMarker.size() + 2 + kComment.size() + 4;
    return head + index / 72 * 73 + index % 72;
}

std::string WithBodyCharacterChanged(std::string armour) {
    char& c = armour[ArmourPositionOfBase64(kMessageBodyBase64Offset + 5)];
    c = c == 'A' ? 'B' : 'A';
    return armour;
}

struct FailureCase {
    const char* what;
    std::string text;
    std::vector<std::uint8_t> password;
    ResultCode expected;
};

TEST(MessageTest, DamageIsReportedBeforeThePasswordIsTried) {
    const std::string armour = Seal("Meet me at the station at 10.");
    const std::string damaged = WithBodyCharacterChanged(armour);
    const std::string quoted = "> " + ReplaceAll(armour, "\n", "\n> ");
    const std::string begin(kArmourBeginMarker);
    const FailureCase cases[] = {
        {"wrong password", armour, kWrongPassword, RC_WRONG_PASSWORD},
        {"body character changed", damaged, kPassword, RC_CORRUPT},
        {"body character changed, wrong password", damaged, kWrongPassword, RC_CORRUPT},
        {"quoting prefixes", quoted, kPassword, RC_CORRUPT},
        {"no armour", "just some text", kPassword, RC_BAD_FORMAT},
        {"begin marker without end", begin + "\r\nabc\r\n\r\nQUJD\n", kPassword, RC_BAD_FORMAT},
        {"base64 that does not decode",
         begin + "\r\nc\r\n\r\nQUJ\n\r\n" + std::string(kArmourEndMarker), kPassword, RC_CORRUPT},
        {"payload shorter than a key block", WriteArmour(kComment, std::vector<std::uint8_t>(212)),
         kPassword, RC_CORRUPT},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        OpenedMessage opened{"untouched", true};
        EXPECT_EQ(OpenMessage(c.text, c.password, opened), c.expected);
        EXPECT_EQ(opened.text, "untouched");
    }
}

TEST(MessageTest, KeyBlockFieldsAreChecked) {
    const std::vector<std::uint8_t> payload = PayloadOf(Seal("twelve bytes"));
    const KeyBlock keyBlock = PlainKeyBlock(payload);

    KeyBlock withoutPassword = keyBlock;
    SetU32(withoutPassword, KeyBlockOffset::flags, FLAG_FORCE_VIEWER);
    KeyBlock longer = keyBlock;
    SetU32(longer, KeyBlockOffset::originalSize, 13);
    KeyBlock empty = keyBlock;
    SetU32(empty, KeyBlockOffset::originalSize, 0);
    std::vector<std::uint8_t> scrambledChanged = payload;
    scrambledChanged[40] ^= 0x01;

    const FailureCase cases[] = {
        {"no password flag", Rearmoured(payload, withoutPassword), kPassword, RC_KEY_PROTECTED},
        {"size one more than the body", Rearmoured(payload, longer), kPassword, RC_CORRUPT},
        {"size 0", Rearmoured(payload, empty), kPassword, RC_CORRUPT},
        {"key block byte changed", WriteArmour(kComment, scrambledChanged), kPassword, RC_CORRUPT},
        {"other version",
         [&] {
             KeyBlock other = keyBlock;
             SetU32(other, KeyBlockOffset::version, 0x00020000);
             return Rearmoured(payload, other);
         }(),
         kPassword, RC_OK},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Open(c.text, c.password).code, c.expected);
    }
}

struct RangeCase {
    const char* what;
    std::size_t filteredLength;
    std::uint32_t originalSize;
    std::optional<std::size_t> length;
};

// A hostile key block chooses originalSize; the range must stay inside the text.
TEST(MessageBodyDigestRangeTest, StaysInsideTheFilteredText) {
    const RangeCase cases[] = {
        {"three bytes, exact text", 288, 3, 3},
        {"one byte, padded group", 288, 1, 3},
        {"four bytes, range ends with the text", 291, 4, 7},
        {"text one short", 290, 4, std::nullopt},
        {"no body", 288, 0, std::nullopt},
        {"size near 2^32", 288, 0xFFFFFFFF, std::nullopt},
        {"text shorter than the key block's base64", 100, 3, std::nullopt},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto range = MessageBodyDigestRange(c.filteredLength, c.originalSize);
        ASSERT_EQ(range.has_value(), c.length.has_value());
        if (range) {
            EXPECT_EQ(range->offset, 284u);
            EXPECT_EQ(range->length, *c.length);
        }
    }
}

// Hands out 0, 1, 2, ... and can fail an acquire or the n-th request.
class CountingProvider : public RandomProvider {
public:
    std::uint32_t failAcquire = 0;
    int failRequest = -1;
    int requests = 0;

    std::uint32_t acquire(std::string_view, std::uint32_t, RandomContext& context) override {
        context = 1;
        return failAcquire;
    }
    std::uint32_t generate(RandomContext, std::span<std::uint8_t> out) override {
        if (requests++ == failRequest) {
            return NTE_FAIL;
        }
        for (std::uint8_t& byte : out) {
            byte = next_++;
        }
        return 0;
    }
    void release(RandomContext) override {}

private:
    std::uint8_t next_ = 0;
};

TEST(MessageTest, FillerAndVerifierComeFromTheStrongSourceAlone) {
    CountingProvider provider;
    const ScopedRandomProvider scoped(provider);
    const ScopedTickCount tick(1234);
    ThreadScrambleGenerator().seed(99);
    ScrambleGenerator untouched;
    untouched.seed(99);

    const std::string armour = Seal("filler");
    EXPECT_EQ(ThreadScrambleGenerator().next(), untouched.next());

    // Round i drew bytes 5i..5i+4; the nonce came after the 100 filler bytes.
    KeyBlock keyBlock = PlainKeyBlock(PayloadOf(armour));
    std::array<std::uint8_t, 32> key{};
    ASSERT_EQ(DerivePasswordKey(kPassword, key), 0u);
    ASSERT_EQ(CheckVerifier(keyBlock, key), RC_OK);
    const std::size_t fields[] = {KeyBlockOffset::verifier, KeyBlockOffset::filler1,
                                  KeyBlockOffset::filler2, KeyBlockOffset::filler3,
                                  KeyBlockOffset::filler4};
    const std::size_t checkBytes[] = {4, 9, 12, 17};
    for (std::size_t round = 0; round < 20; ++round) {
        for (std::size_t field = 0; field < 5; ++field) {
            if (field == 0 && std::ranges::count(checkBytes, round) != 0) {
                continue;
            }
            EXPECT_EQ(keyBlock[fields[field] + round], 5 * round + field)
                << "round " << round << " field " << field;
        }
    }
    EXPECT_EQ(keyBlock[KeyBlockOffset::nonce], 100);
}

struct RandomFailure {
    const char* what;
    std::uint32_t failAcquire;
    int failRequest;
};

TEST(MessageTest, FailingStrongSourceFailsTheSeal) {
    const RandomFailure cases[] = {
        {"acquire", NTE_BAD_KEYSET, -1},
        {"third filler round", 0, 2},
        {"nonce", 0, 20},
    };
    for (const RandomFailure& c : cases) {
        SCOPED_TRACE(c.what);
        CountingProvider provider;
        provider.failAcquire = c.failAcquire;
        provider.failRequest = c.failRequest;
        const ScopedRandomProvider scoped(provider);
        std::string armour = "untouched";
        EXPECT_EQ(SealMessage("text", kPassword, false, kComment, armour), RC_FAILED);
        EXPECT_EQ(armour, "untouched");
    }
}

} // namespace
