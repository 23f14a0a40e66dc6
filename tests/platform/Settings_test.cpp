#include "platform/Settings.h"
#include "platform/TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

struct IniCase {
    const char* name;
    const char* text;
    std::optional<std::uint32_t> expected;
};

class IniInt : public testing::TestWithParam<IniCase> {};

TEST_P(IniInt, ReadsLocalisationLangId) {
    EXPECT_EQ(ReadIniInt(GetParam().text, "Localisation", "LangID"), GetParam().expected);
}

const auto kNothing = std::optional<std::uint32_t>{};

INSTANTIATE_TEST_SUITE_P(
    Cases, IniInt,
    testing::Values(IniCase{"AsQSettingsWritesIt", "[Localisation]\nLangID=1031\n", 1031},
                    IniCase{"AmongOtherSections",
                            "[General]\nLangID=7\n\n[Localisation]\nOther=1\nLangID=1036\n\n"
                            "[WindowPositions]\nLangID=9\n",
                            1036},
                    IniCase{"SpacesAndComment",
                            "  [ Localisation ]  \n  LangID  =  1041  ; Japanese\n", 1041},
                    IniCase{"CommentLines",
                            "; [Localisation]\n[Localisation]\n;LangID=1\n#LangID=2\n", kNothing},
                    IniCase{"CrLfLineEnds", "[Localisation]\r\nLangID=1045\r\n", 1045},
                    IniCase{"ByteOrderMark", "\xEF\xBB\xBF[Localisation]\nLangID=1031", 1031},
                    IniCase{"Hexadecimal", "[Localisation]\nLangID=0x0C07\n", 0x0C07},
                    IniCase{"Quoted", "[Localisation]\nLangID=\"1031\"\n", 1031},
                    IniCase{"LastRepeatWins",
                            "[Localisation]\nLangID=1031\n[Localisation]\nLangID=1036\n", 1036},
                    IniCase{"EscapedKey", "[Localisation]\nLang%49D=1031\n", 1031},
                    IniCase{"Largest", "[Localisation]\nLangID=4294967295\n", 0xFFFFFFFFu},
                    IniCase{"Overflow", "[Localisation]\nLangID=4294967296\n", kNothing},
                    IniCase{"Negative", "[Localisation]\nLangID=-1\n", kNothing},
                    IniCase{"NotANumber", "[Localisation]\nLangID=German\n", kNothing},
                    IniCase{"TrailingGarbage", "[Localisation]\nLangID=1031x\n", kNothing},
                    IniCase{"EmptyValue", "[Localisation]\nLangID=\n", kNothing},
                    IniCase{"BareHexPrefix", "[Localisation]\nLangID=0x\n", kNothing},
                    IniCase{"OtherSection", "[Localisations]\nLangID=1031\n", kNothing},
                    IniCase{"KeyCaseMatters", "[Localisation]\nlangid=1031\n", kNothing},
                    IniCase{"KeyOutsideAnySection", "LangID=1031\n", kNothing},
                    IniCase{"EmptyText", "", kNothing}),
    [](const testing::TestParamInfo<IniCase>& row) { return std::string(row.param.name); });

TEST(IniIntPaths, GroupPathsMatchEitherLayout) {
    // QSettings may keep a sub-group in the section name or in the key with '\'.
    EXPECT_EQ(ReadIniInt("[WindowPositions]\nID%3D0x00000066\\Left=12\n",
                         "WindowPositions/ID=0x00000066", "Left"),
              12u);
    EXPECT_EQ(ReadIniInt("[WindowPositions%2FInner]\nLeft=13\n", "WindowPositions/Inner", "Left"),
              13u);
    EXPECT_EQ(ReadIniInt("[General]\nVersion=3\n", "", "Version"), 3u);
    EXPECT_EQ(ReadIniInt("[%General]\nVersion=4\n[General]\nVersion=3\n", "General", "Version"),
              4u);
}

class SettingsFile : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/qmx-settings-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root_ = pattern;
        environment_.Set("XDG_CONFIG_HOME", root_.string());
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    void Write(const std::filesystem::path& relative, const std::string& text) {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative, std::ios::binary) << text;
    }

    std::filesystem::path root_;
    ScopedEnvironment environment_;
};

TEST_F(SettingsFile, ReadsTheApplicationsFileUnderTheConfigFolder) {
    Write("Brellic/Quiralis Reader.conf", "[Localisation]\nLangID=1031\n");
    Write("Brellic/Visionneuse Quiralis.conf", "[Localisation]\nLangID=1036\n");
    Write("Brellic/Quiralis リーダー.conf", "[Localisation]\nLangID=1041\n");

    EXPECT_EQ(ReadProfileInt("Brellic", "Quiralis Reader", "Localisation", "LangID"), 1031u);
    EXPECT_EQ(ReadProfileInt("Brellic", "Visionneuse Quiralis", "Localisation", "LangID"), 1036u);
    EXPECT_EQ(ReadProfileInt("Brellic", "Quiralis リーダー", "Localisation", "LangID"), 1041u);
    EXPECT_EQ(ReadProfileInt("Brellic", "Quiralis Reader", "Localisation", "Missing"), kNothing);
    EXPECT_EQ(ReadProfileInt("Brellic", "Someone Else", "Localisation", "LangID"), kNothing);
    EXPECT_EQ(ReadProfileInt("Other", "Quiralis Reader", "Localisation", "LangID"), kNothing);
}

TEST_F(SettingsFile, NeverCreatesAnything) {
    EXPECT_EQ(ReadProfileInt("Brellic", "Quiralis Reader", "Localisation", "LangID"), kNothing);
    EXPECT_TRUE(std::filesystem::is_empty(root_));
}

TEST_F(SettingsFile, FolderFollowsTheXdgRules) {
    EXPECT_EQ(SettingsFilePath("Brellic", "Quiralis Reader"),
              root_.string() + "/Brellic/Quiralis Reader.conf");

    environment_.Set("HOME", "/home/someone");
    environment_.Set("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(SettingsFilePath("Brellic", "Quiralis Reader"),
              "/home/someone/.config/Brellic/Quiralis Reader.conf");
    environment_.Unset("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsFilePath("Brellic", "Quiralis Reader"),
              "/home/someone/.config/Brellic/Quiralis Reader.conf");
}

} // namespace
