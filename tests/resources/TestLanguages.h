#pragma once
// The compiled-in interface languages the generic resource tests walk: every
// record but a language-neutral one, which holds only the resources all
// languages share and none of the per-language tables.

#include "resources/CompiledLanguages.h"
#include "resources/LanguageFallbackChain.h"

#include <vector>

inline std::vector<const LanguageResources*> InterfaceLanguages() {
    std::vector<const LanguageResources*> languages;
    for (const LanguageResources* language : CompiledLanguages()) {
        if (language->langId != LANGID_NEUTRAL) {
            languages.push_back(language);
        }
    }
    return languages;
}
