#pragma once
// The resources of one interface language, compiled in: a record per LANGID
// holding that language's tables. Texts are UTF-8; each table is looked up by
// numeric id, and an id a table lacks is simply absent.

#include <cstdint>
#include <span>
#include <string_view>

struct StringEntry {
    std::uint16_t id;
    std::string_view text;
};

struct LanguageResources {
    std::uint16_t langId;
    std::span<const StringEntry> strings;
    // Dialog templates, the context menu and the licence text join here.
};

// One record per language, each defined in its own Language_<code>.cpp.
extern const LanguageResources g_languageEnglish;
