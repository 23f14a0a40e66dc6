#include "platform/AnsiCodePage.h"
#include "platform/CodePageConversion.h"
#include "platform/TestEnvironment.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct LocaleCodePage {
    const char* locale;
    std::uint32_t codePage;
};

class CodePageTable : public testing::TestWithParam<LocaleCodePage> {};

TEST_P(CodePageTable, GivesTheWindowsAnsiCodePage) {
    EXPECT_EQ(AnsiCodePageForLocale(GetParam().locale), GetParam().codePage) << GetParam().locale;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CodePageTable,
    testing::Values(
        LocaleCodePage{"en_US.UTF-8", 1252}, LocaleCodePage{"de_DE.UTF-8", 1252},
        LocaleCodePage{"fr_FR@euro", 1252}, LocaleCodePage{"es_ES", 1252},
        LocaleCodePage{"nl_NL", 1252}, LocaleCodePage{"C", 1252}, LocaleCodePage{"C.UTF-8", 1252},
        LocaleCodePage{"POSIX", 1252}, LocaleCodePage{"", 1252}, LocaleCodePage{"hi_IN", 1252},
        LocaleCodePage{"pl_PL.UTF-8", 1250}, LocaleCodePage{"cs_CZ", 1250},
        LocaleCodePage{"sk_SK", 1250}, LocaleCodePage{"hu_HU", 1250}, LocaleCodePage{"sl_SI", 1250},
        LocaleCodePage{"hr_HR", 1250}, LocaleCodePage{"ro_RO", 1250},
        LocaleCodePage{"sr_RS@latin", 1250}, LocaleCodePage{"sr_ME", 1250},
        LocaleCodePage{"ru_RU.UTF-8", 1251}, LocaleCodePage{"uk_UA", 1251},
        LocaleCodePage{"bg_BG", 1251}, LocaleCodePage{"be_BY", 1251}, LocaleCodePage{"sr_RS", 1251},
        LocaleCodePage{"uz_UZ@cyrillic", 1251}, LocaleCodePage{"el_GR", 1253},
        LocaleCodePage{"tr_TR", 1254}, LocaleCodePage{"az_AZ", 1254}, LocaleCodePage{"he_IL", 1255},
        LocaleCodePage{"ar_EG", 1256}, LocaleCodePage{"fa_IR", 1256}, LocaleCodePage{"lt_LT", 1257},
        LocaleCodePage{"lv_LV", 1257}, LocaleCodePage{"et_EE", 1257}, LocaleCodePage{"vi_VN", 1258},
        LocaleCodePage{"th_TH", 874}, LocaleCodePage{"ja_JP.UTF-8", 932},
        LocaleCodePage{"zh_CN.UTF-8", 936}, LocaleCodePage{"zh_SG", 936},
        LocaleCodePage{"zh_TW.UTF-8", 950}, LocaleCodePage{"zh_HK", 950},
        LocaleCodePage{"ko_KR.UTF-8", 949}));

TEST(UserAnsiCodePage, LcAllThenLcCtypeThenLang) {
    ScopedEnvironment environment;
    environment.Set("LC_ALL", "pl_PL.UTF-8");
    environment.Set("LC_CTYPE", "ru_RU.UTF-8");
    environment.Set("LANG", "ja_JP.UTF-8");
    environment.Set("LC_MESSAGES", "el_GR.UTF-8");
    EXPECT_EQ(UserAnsiCodePage(), 1250u);
    environment.Set("LC_ALL", "");
    EXPECT_EQ(UserAnsiCodePage(), 1251u);
    environment.Unset("LC_CTYPE");
    EXPECT_EQ(UserAnsiCodePage(), 932u);
    environment.Unset("LANG");
    EXPECT_EQ(UserAnsiCodePage(), 1252u);
}

std::string Bytes(std::initializer_list<unsigned> values) {
    std::string bytes;
    for (unsigned value : values) {
        bytes += static_cast<char>(value);
    }
    return bytes;
}

struct Conversion {
    const char* name;
    std::uint32_t codePage;
    std::string utf8;
    std::string bytes;
};

class ToCodePage : public testing::TestWithParam<Conversion> {};

TEST_P(ToCodePage, GivesTheBytesWindowsGives) {
    EXPECT_EQ(Utf8ToCodePage(GetParam().utf8, GetParam().codePage), GetParam().bytes);
}

// Expected bytes agree with Python's Microsoft-derived code page tables.
INSTANTIATE_TEST_SUITE_P(
    Passwords, ToCodePage,
    testing::Values(
        Conversion{"Western", 1252, "café", Bytes({0x63, 0x61, 0x66, 0xE9})},
        Conversion{"WesternEuro", 1252, "€uro", Bytes({0x80, 0x75, 0x72, 0x6F})},
        Conversion{"CentralEuropean", 1250, "zażółć", Bytes({0x7A, 0x61, 0xBF, 0xF3, 0xB3, 0xE6})},
        Conversion{"Cyrillic", 1251, "пароль", Bytes({0xEF, 0xE0, 0xF0, 0xEE, 0xEB, 0xFC})},
        Conversion{"Greek", 1253, "κωδικός", Bytes({0xEA, 0xF9, 0xE4, 0xE9, 0xEA, 0xFC, 0xF2})},
        Conversion{"Turkish", 1254, "şifre", Bytes({0xFE, 0x69, 0x66, 0x72, 0x65})},
        Conversion{"Hebrew", 1255, "סיסמה", Bytes({0xF1, 0xE9, 0xF1, 0xEE, 0xE4})},
        Conversion{"Arabic", 1256, "كلمة", Bytes({0xDF, 0xE1, 0xE3, 0xC9})},
        Conversion{"Baltic", 1257, "ž", Bytes({0xFE})},
        Conversion{"Vietnamese", 1258, "ê", Bytes({0xEA})},
        Conversion{"Thai", 874, "ไทย", Bytes({0xE4, 0xB7, 0xC2})},
        Conversion{"Japanese", 932, "パスワード",
                   Bytes({0x83, 0x70, 0x83, 0x58, 0x83, 0x8F, 0x81, 0x5B, 0x83, 0x68})},
        Conversion{"SimplifiedChinese", 936, "中文密码",
                   Bytes({0xD6, 0xD0, 0xCE, 0xC4, 0xC3, 0xDC, 0xC2, 0xEB})},
        Conversion{"Korean", 949, "한국어", Bytes({0xC7, 0xD1, 0xB1, 0xB9, 0xBE, 0xEE})},
        Conversion{"TraditionalChinese", 950, "中文密碼",
                   Bytes({0xA4, 0xA4, 0xA4, 0xE5, 0xB1, 0x4B, 0xBD, 0x58})},
        Conversion{"Empty", 1252, "", ""}),
    [](const testing::TestParamInfo<Conversion>& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Replacements, ToCodePage,
    testing::Values(Conversion{"MissingCharacter", 1252, "aΩb", "a?b"},
                    Conversion{"MissingThreeByte", 1252, "日本", "??"},
                    Conversion{"MissingFourByte", 1252, "x😀y", "x?y"},
                    Conversion{"MissingInDoubleByte", 932, "a€日", Bytes({0x61, 0x3F, 0x93, 0xFA})},
                    Conversion{"StrayByte", 1252,
                               "a\xFF"
                               "b",
                               "a?b"},
                    Conversion{"LoneContinuation", 1252, "\x80\x80é", Bytes({0x3F, 0x3F, 0xE9})},
                    Conversion{"TruncatedAtEnd", 1252, "caf\xC3", "caf?"},
                    Conversion{"TruncatedInside", 1252,
                               "\xE2\x82"
                               "A",
                               "??A"},
                    Conversion{"Overlong", 1252, "\xC0\xAF", "??"},
                    Conversion{"Surrogate", 1252, "\xED\xA0\x80", "???"},
                    Conversion{"AboveUnicode", 1252, "\xF4\x90\x80\x80", "????"},
                    Conversion{"Utf8Kept", CP_UTF8, "café\xFF", "café?"}),
    [](const testing::TestParamInfo<Conversion>& row) { return std::string(row.param.name); });

TEST(ToCodePageText, ReplacementDoesNotLoseLongText) {
    // Longer than one conversion buffer on both sides of the gap.
    const std::string side(700, 'x');
    std::string utf8;
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        utf8 += "é";
        expected += '\xE9';
    }
    utf8 += side + "Ω" + side + "\xFF" + side;
    expected += side + "?" + side + "?" + side;
    EXPECT_EQ(Utf8ToCodePage(utf8, 1252), expected);
}

TEST(ToCodePageText, UnknownCodePageIsRefusedNotEmpty) {
    EXPECT_FALSE(IsSupportedCodePage(437));
    EXPECT_EQ(Utf8ToCodePage("secret", 437), std::nullopt);
    EXPECT_EQ(CodePageToUtf8("secret", 437), std::nullopt);
}

TEST(ToCodePageText, EverySupportedCodePageOpensAndKeepsAscii) {
    const std::string ascii = "Password 123 !~";
    for (std::uint32_t codePage : {874u, 932u, 936u, 949u, 950u, 1250u, 1251u, 1252u, 1253u, 1254u,
                                   1255u, 1256u, 1257u, 1258u, CP_UTF8}) {
        ASSERT_TRUE(IsSupportedCodePage(codePage)) << codePage;
        EXPECT_EQ(Utf8ToCodePage(ascii, codePage), ascii) << codePage;
        EXPECT_EQ(CodePageToUtf8(ascii, codePage), ascii) << codePage;
    }
}

TEST(ToCodePageText, TypedPasswordFollowsTheUsersLocale) {
    ScopedEnvironment environment;
    environment.Unset("LC_ALL");
    environment.Unset("LC_CTYPE");
    environment.Set("LANG", "de_DE.UTF-8");
    EXPECT_EQ(Utf8ToUserAnsiCodePage("café"), Bytes({0x63, 0x61, 0x66, 0xE9}));
    environment.Set("LANG", "pl_PL.UTF-8");
    EXPECT_EQ(Utf8ToUserAnsiCodePage("żółw"), Bytes({0xBF, 0xF3, 0xB3, 0x77}));
    environment.Set("LC_ALL", "C");
    EXPECT_EQ(Utf8ToUserAnsiCodePage("café"), Bytes({0x63, 0x61, 0x66, 0xE9}));
}

class FromCodePage : public testing::TestWithParam<Conversion> {};

TEST_P(FromCodePage, GivesUtf8) {
    EXPECT_EQ(CodePageToUtf8(GetParam().bytes, GetParam().codePage), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FromCodePage,
    testing::Values(
        Conversion{"Western", 1252, "café€", Bytes({0x63, 0x61, 0x66, 0xE9, 0x80})},
        Conversion{"Japanese", 932, "日本語", Bytes({0x93, 0xFA, 0x96, 0x7B, 0x8C, 0xEA})},
        // The converter holds a base letter back for a combining mark: it must come out.
        Conversion{"VietnameseLastLetter", 1258, "ê", Bytes({0xEA})},
        Conversion{"VietnameseCombined", 1258, "Việt", Bytes({0x56, 0x69, 0xEA, 0xF2, 0x74})},
        Conversion{"UnassignedByte", 1252, "a?b", Bytes({0x61, 0x81, 0x62})},
        Conversion{"TruncatedDoubleByte", 932, "日?", Bytes({0x93, 0xFA, 0x93})}),
    [](const testing::TestParamInfo<Conversion>& row) { return std::string(row.param.name); });

} // namespace
