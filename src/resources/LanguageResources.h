#pragma once
// The resources of one interface language, compiled in: a record per LANGID
// holding that language's tables. Texts are UTF-8; each table is looked up by
// numeric id, and an id a table lacks is simply absent. Records are written
// with designated initializers, so a table a language lacks is left out.

#include "resources/DialogTemplate.h"
#include "resources/MenuTemplate.h"

#include <cstdint>
#include <span>
#include <string_view>

struct StringEntry {
    std::uint16_t id;
    std::string_view text;
};

struct LanguageResources {
    std::uint16_t langId;
    std::span<const StringEntry> strings{};
    std::span<const DialogTemplate> dialogs{};
    std::span<const MenuTemplate> menus{};
    // The licence text (LICENCETEXT 136) joins here, as a field with a
    // default, so that a record without one need not name it.
};

// One record per language, each defined in its own Language_<code>.cpp.
extern const LanguageResources g_languageEnglish;
extern const LanguageResources g_languageSpanish;
extern const LanguageResources g_languageGerman;
extern const LanguageResources g_languageFrench;
extern const LanguageResources g_languageDutch;
extern const LanguageResources g_languageJapanese;
extern const LanguageResources g_languagePolish;
