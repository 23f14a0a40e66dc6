#include "resources/ActiveLanguage.h"
#include "resources/CompiledLanguages.h"
#include "resources/FindTemplate.h"
#include "resources/LanguageFallbackChain.h"
#include "resources/TestLanguages.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

constexpr std::uint16_t kDialogIds[] = {100, 102, 107, 108, 131, 134, 270};
constexpr std::uint16_t kContextMenu = 132;
constexpr std::uint16_t kPrimaryMask = 0x03FF;

template <typename Entry>
const Entry* Own(std::uint16_t langId, std::span<const Entry> LanguageResources::*table,
                 std::uint16_t id) {
    const LanguageResources* language = FindLanguageResources(langId);
    if (language == nullptr) {
        return nullptr;
    }
    for (const Entry& entry : language->*table) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

void ExpectFoundIn(std::uint16_t query, std::uint16_t owner) {
    SCOPED_TRACE(testing::Message() << std::hex << "query 0x" << query << " owner 0x" << owner);
    for (const std::uint16_t id : kDialogIds) {
        const DialogTemplate* expected = Own(owner, &LanguageResources::dialogs, id);
        ASSERT_NE(expected, nullptr) << std::dec << "dialog " << id;
        EXPECT_EQ(FindDialogTemplate(id, query), expected) << std::dec << "dialog " << id;
    }
    const MenuTemplate* menu = Own(owner, &LanguageResources::menus, kContextMenu);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(FindMenuTemplate(kContextMenu, query), menu);
}

TEST(FindTemplate, RegionalVariantsFindTheirLanguage) {
    ExpectFoundIn(0x0C07, 1031); // German (Austria)
    ExpectFoundIn(0x080A, 10);   // Spanish (Mexico)
    ExpectFoundIn(0x0C0A, 10);   // Spanish (modern sort)
    ExpectFoundIn(0x0809, LANGID_ENGLISH);
}

TEST(FindTemplate, EveryCompiledLanguageIsFoundByItsOwnAndAnotherRegion) {
    for (const LanguageResources* language : InterfaceLanguages()) {
        const auto otherRegion =
            static_cast<std::uint16_t>((language->langId & kPrimaryMask) | 0x0800);
        ExpectFoundIn(language->langId, language->langId);
        ExpectFoundIn(otherRegion, language->langId);
    }
}

TEST(FindTemplate, LanguagesWithoutResourcesFallBackToEnglish) {
    // Korean, Greek, the neutral language and a LANGID no platform defines.
    constexpr std::uint16_t kQueries[] = {0x0412, 0x0408, 0x0000, 0x03FF};
    for (const std::uint16_t query : kQueries) {
        ExpectFoundIn(query, LANGID_ENGLISH);
    }
}

TEST(FindTemplate, UnknownIdsFindNothing) {
    constexpr std::uint16_t kNoDialog[] = {0, 101, 132, 136, 144, 999};
    constexpr std::uint16_t kNoMenu[] = {0, 100, 131, 133};
    for (const std::uint16_t id : kNoDialog) {
        EXPECT_EQ(FindDialogTemplate(id, 1031), nullptr) << id;
    }
    for (const std::uint16_t id : kNoMenu) {
        EXPECT_EQ(FindMenuTemplate(id, 10), nullptr) << id;
    }
}

TEST(FindTemplate, WithoutALanguageUsesTheActiveOne) {
    const std::uint16_t saved = ActiveLanguage();
    SetActiveLanguage(0x0C07);
    EXPECT_EQ(FindDialogTemplate(102), FindDialogTemplate(102, 1031));
    EXPECT_EQ(FindMenuTemplate(kContextMenu), FindMenuTemplate(kContextMenu, 1031));
    SetActiveLanguage(0x0412);
    EXPECT_EQ(FindDialogTemplate(131), FindDialogTemplate(131, LANGID_ENGLISH));
    SetActiveLanguage(saved);
}

} // namespace
