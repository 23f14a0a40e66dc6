#include "resources/ActiveLanguage.h"
#include "resources/CompiledLanguages.h"
#include "resources/LanguageFallbackChain.h"
#include "resources/LoadText.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

std::vector<std::uint32_t> ProgramStringIds() {
    std::vector<std::uint32_t> ids;
    for (std::uint32_t id = 101; id <= 143; ++id) {
        ids.push_back(id);
    }
    ids.push_back(145); // remote locations in a drop
    ids.push_back(57344);
    return ids;
}

TEST(EnglishStrings, EveryProgramIdIsPresentOnce) {
    const LanguageResources* english = FindLanguageResources(LANGID_ENGLISH);
    ASSERT_NE(english, nullptr);
    std::multiset<std::uint32_t> stored;
    for (const StringEntry& entry : english->strings) {
        stored.insert(entry.id);
    }
    for (const std::uint32_t id : ProgramStringIds()) {
        EXPECT_EQ(stored.count(id), 1u) << "id " << id;
        EXPECT_FALSE(LoadText(id, LANGID_ENGLISH).empty()) << "id " << id;
    }
    EXPECT_EQ(stored.size(), ProgramStringIds().size());
}

TEST(EnglishStrings, TextsAreExact) {
    struct Row {
        std::uint32_t id;
        const char* text;
    };
    const Row rows[] = {
        {107, "%s due to an error."},
        {112, "%s.\nThe error returned was %08X."},
        {113, "%s because the output file could not be created.\n\nPlease ensure the output "
              "location is not read only and that the output file does not exist."},
        {131, "Error. The source path is too long to add the \".qmx\" extension.\n\n(\"%s\")"},
        {143, "https://quiralis.example/reader"},
        {57344, "Quiralis Reader"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(LoadText(row.id, LANGID_ENGLISH), row.text) << "id " << row.id;
    }
}

TEST(LoadText, MissingIdIsEmpty) {
    for (const std::uint32_t id : {0u, 100u, 144u, 57343u, 70000u}) {
        EXPECT_EQ(LoadText(id, LANGID_ENGLISH), "") << "id " << id;
    }
}

TEST(LanguageFallbackChain, FollowsThePlatformOrder) {
    struct Row {
        std::uint16_t langId;
        std::vector<std::uint16_t> chain;
    };
    const Row rows[] = {
        {0x0809, {0x0809, 0x0009, 0x0409, 0x0000}},         // English (UK)
        {0x0407, {0x0407, 0x0007, 0x0000, 0x0009}},         // German is its own default
        {0x0C0A, {0x0C0A, 0x000A, 0x040A, 0x0000, 0x0009}}, // Spanish (modern sort)
        {0x0009, {0x0009, 0x0409, 0x0000}},
        {0x0000, {0x0000, 0x0400, 0x0009}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(LanguageFallbackChain(row.langId), row.chain) << std::hex << row.langId;
    }
}

TEST(LoadText, OtherLanguagesFallBackToEnglish) {
    // English (UK), Korean and a LANGID no platform defines.
    for (const std::uint16_t langId :
         {std::uint16_t{0x0809}, std::uint16_t{0x0412}, std::uint16_t{0x03FF}}) {
        EXPECT_EQ(LoadText(57344, langId), "Quiralis Reader") << std::hex << langId;
    }
}

TEST(LoadText, UsesTheActiveLanguage) {
    const std::uint16_t saved = ActiveLanguage();
    SetActiveLanguage(0x0809);
    EXPECT_EQ(ActiveLanguage(), 0x0809);
    EXPECT_EQ(LoadText(116), "Are you sure you wish to exit?");
    SetActiveLanguage(saved);
}

} // namespace
