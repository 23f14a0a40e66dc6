#include "platform/TestEnvironment.h"
#include "resources/ActiveLanguage.h"
#include "resources/LoadText.h"
#include "resources/StartupLanguage.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr std::uint16_t kGerman = 0x0407;
constexpr std::uint16_t kFrench = 0x040C;
constexpr std::uint16_t kEnglishUs = 0x0409;

class StartupLanguageTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qmx-startup-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        config_ = pattern;
        environment_.Set("XDG_CONFIG_HOME", config_.string());
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            environment_.Unset(name);
        }
        savedLanguage_ = ActiveLanguage();
    }
    void TearDown() override {
        SetActiveLanguage(savedLanguage_);
        fs::remove_all(config_);
    }

    void SetSessionLocale(const std::string& locale) { environment_.Set("LANG", locale); }

    // The settings file the window's QSettings keeps for this title.
    void StoreLangId(const std::string& title, const std::string& value) {
        fs::create_directories(config_ / "Brellic");
        std::ofstream(config_ / "Brellic" / (title + ".conf"))
            << "[Localisation]\nLangID=" << value << "\n";
    }

    fs::path config_;

private:
    ScopedEnvironment environment_;
    std::uint16_t savedLanguage_ = 0;
};

TEST_F(StartupLanguageTest, NoStoredValueKeepsTheDefaultAndWritesNothing) {
    SetSessionLocale("de_DE.UTF-8");
    const StartupLanguage choice = ApplyStartupLanguage();
    EXPECT_EQ(choice.langId, kGerman);
    EXPECT_EQ(ActiveLanguage(), kGerman);
    EXPECT_EQ(choice.title, LoadText(57344, kGerman));
    EXPECT_TRUE(fs::is_empty(config_));
}

TEST_F(StartupLanguageTest, StoredValueChoosesTheLanguage) {
    struct Row {
        const char* stored;
        std::uint16_t expected;
    };
    const Row rows[] = {
        {"1031", kGerman},     // another language
        {"0x411", 0x0411},     // hexadecimal, as QSettings may keep it
        {"1033", kEnglishUs},  // equal to the default
        {"65545", kEnglishUs}, // 0x10009 is no LANGID
        {"German", kEnglishUs},
    };
    SetSessionLocale("en_US.UTF-8");
    for (const Row& row : rows) {
        StoreLangId("Quiralis Reader", row.stored);
        const StartupLanguage choice = ApplyStartupLanguage();
        EXPECT_EQ(choice.langId, row.expected) << row.stored;
        EXPECT_EQ(ActiveLanguage(), row.expected) << row.stored;
        EXPECT_EQ(choice.title, "Quiralis Reader");
    }
}

TEST_F(StartupLanguageTest, SettingsAreFoundUnderTheDefaultLanguagesTitle) {
    // The title, and with it the settings' name, follows the default language
    // even when the stored value selects another.
    SetSessionLocale("fr_FR.UTF-8");
    StoreLangId(LoadText(57344, kFrench), "1031");
    const StartupLanguage choice = ChooseStartupLanguage();
    EXPECT_EQ(choice.langId, kGerman);
    EXPECT_EQ(choice.title, LoadText(57344, kFrench));
}

} // namespace
