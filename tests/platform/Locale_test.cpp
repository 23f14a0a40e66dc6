#include "platform/Locale.h"
#include "platform/TestEnvironment.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

struct LocaleCase {
    const char* locale;
    LANGID expected;
};

class LocaleTable : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleTable, MapsToTheWindowsLanguageId) {
    EXPECT_EQ(LangIdForLocale(GetParam().locale), GetParam().expected) << GetParam().locale;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LocaleTable,
    testing::Values(LocaleCase{"en_US.UTF-8", 0x0409}, LocaleCase{"en_GB.UTF-8", 0x0809},
                    LocaleCase{"de_DE.UTF-8", 0x0407}, LocaleCase{"de_AT.UTF-8", 0x0C07},
                    LocaleCase{"de_CH", 0x0807}, LocaleCase{"fr_FR.UTF-8", 0x040C},
                    LocaleCase{"fr_BE@euro", 0x080C}, LocaleCase{"fr_CA", 0x0C0C},
                    LocaleCase{"es_ES.UTF-8", 0x0C0A}, LocaleCase{"es_MX", 0x080A},
                    LocaleCase{"nl_NL", 0x0413}, LocaleCase{"nl_BE.UTF-8", 0x0813},
                    LocaleCase{"ja_JP.UTF-8", 0x0411}, LocaleCase{"ja_JP.eucJP", 0x0411},
                    LocaleCase{"pl_PL.UTF-8", 0x0415}, LocaleCase{"it_IT", 0x0410},
                    LocaleCase{"pt_BR.UTF-8", 0x0416}, LocaleCase{"pt_PT", 0x0816},
                    LocaleCase{"ru_RU.KOI8-R", 0x0419}, LocaleCase{"zh_CN.GB18030", 0x0804},
                    LocaleCase{"zh_TW.UTF-8", 0x0404}, LocaleCase{"sr_RS", 0x281A},
                    LocaleCase{"sr_RS@latin", 0x241A}, LocaleCase{"uz_UZ@cyrillic", 0x0843},
                    LocaleCase{"ca_ES@valencia", 0x0803}, LocaleCase{"nn_NO", 0x0814},
                    LocaleCase{"fil_PH", 0x0464}, LocaleCase{"pt-BR", 0x0416}));

// A language alone, or with a territory the table lacks, takes that language's default.
INSTANTIATE_TEST_SUITE_P(LanguageOnly, LocaleTable,
                         testing::Values(LocaleCase{"de", 0x0407},
                                         LocaleCase{"de_BE.UTF-8", 0x0407},
                                         LocaleCase{"fr", 0x040C}, LocaleCase{"en_KE", 0x0409},
                                         LocaleCase{"es", 0x040A}, LocaleCase{"es_XX", 0x040A},
                                         LocaleCase{"ja", 0x0411}, LocaleCase{"nl", 0x0413},
                                         LocaleCase{"pl", 0x0415}, LocaleCase{"zh", 0x0804},
                                         LocaleCase{"hr", 0x041A}, LocaleCase{"DE_de", 0x0407}));

INSTANTIATE_TEST_SUITE_P(NoLanguage, LocaleTable,
                         testing::Values(LocaleCase{"", 0x0409}, LocaleCase{"C", 0x0409},
                                         LocaleCase{"C.UTF-8", 0x0409}, LocaleCase{"POSIX", 0x0409},
                                         LocaleCase{"xx_YY", 0x0409}));

TEST(LangIdParts, SplitAndJoinLikeTheWindowsMacros) {
    EXPECT_EQ(MakeLangId(0x07, SUBLANG_DEFAULT), 0x0407);
    EXPECT_EQ(MakeLangId(0x0C, 3), 0x0C0C);
    EXPECT_EQ(MakeLangId(0x09, SUBLANG_NEUTRAL), 0x0009);
    EXPECT_EQ(PrimaryLangId(0x0C07), 0x07);
    EXPECT_EQ(SubLangId(0x0C07), 3);
    EXPECT_EQ(PrimaryLangId(0x281A), 0x1A);
}

struct SessionCase {
    std::optional<std::string> language, lcAll, lcMessages, lang;
    LANGID expected;
};

class SessionLanguage : public testing::TestWithParam<SessionCase> {};

TEST_P(SessionLanguage, FirstNonEmptyVariableWins) {
    const SessionCase& c = GetParam();
    ScopedEnvironment environment;
    environment.Set("LANGUAGE", c.language);
    environment.Set("LC_ALL", c.lcAll);
    environment.Set("LC_MESSAGES", c.lcMessages);
    environment.Set("LANG", c.lang);
    EXPECT_EQ(UserDefaultUILanguage(), c.expected);
}

const auto kNone = std::optional<std::string>{};

INSTANTIATE_TEST_SUITE_P(Precedence, SessionLanguage,
                         testing::Values(SessionCase{"fr_FR:de_DE", "ja_JP.UTF-8", "pl_PL", "nl_NL",
                                                     0x040C},
                                         SessionCase{":pt_BR:de", kNone, kNone, "nl_NL", 0x0416},
                                         SessionCase{"", "ja_JP.UTF-8", "pl_PL", "nl_NL", 0x0411},
                                         SessionCase{kNone, "", "pl_PL.UTF-8", "nl_NL", 0x0415},
                                         SessionCase{kNone, kNone, "", "nl_BE.UTF-8", 0x0813},
                                         SessionCase{kNone, kNone, kNone, "de_AT.UTF-8", 0x0C07},
                                         SessionCase{kNone, "C", kNone, "de_DE.UTF-8", 0x0409},
                                         SessionCase{kNone, kNone, kNone, kNone, 0x0409}));

} // namespace
