#include "resources/LicenceText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>

namespace {

std::string_view AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

constexpr std::uint16_t kNeutral = 0;

TEST(LicenceText, IsUtf8WithAByteOrderMark) {
    const std::string_view text = AsText(LicenceText(kNeutral));
    EXPECT_TRUE(text.starts_with("\xEF\xBB\xBF")) << text.substr(0, 8);
    EXPECT_NE(text.find("Copyright \xC2\xA9 2026 Brellic. All rights reserved.\r\n"),
              std::string_view::npos);
}

TEST(LicenceText, EndsEveryLineWithCrlfAndNothingElse) {
    const std::string_view text = AsText(LicenceText(kNeutral));
    ASSERT_TRUE(text.ends_with("\r\n"));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (text[i] == '\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
}

TEST(LicenceText, EveryLanguageFindsTheSameDocument) {
    const auto neutral = LicenceText(kNeutral);
    ASSERT_FALSE(neutral.empty());
    // The seven entries, English through the neutral one, regional variants
    // through their language, and a language without resources.
    const std::uint16_t languages[] = {9,      10,     19,     0x0407, 0x040C, 0x0411,
                                       0x0415, 0x0409, 0x0C0A, 0x0813, 0x0010};
    for (const std::uint16_t langId : languages) {
        EXPECT_TRUE(std::ranges::equal(LicenceText(langId), neutral)) << langId;
    }
}

} // namespace
