#include "resources/CompiledLanguages.h"

namespace {

constexpr const LanguageResources* kLanguages[] = {
    &g_languageEnglish, &g_languageSpanish,  &g_languageGerman, &g_languageFrench,
    &g_languageDutch,   &g_languageJapanese, &g_languagePolish,
};

} // namespace

std::span<const LanguageResources* const> CompiledLanguages() {
    return kLanguages;
}

const LanguageResources* FindLanguageResources(std::uint16_t langId) {
    for (const LanguageResources* language : kLanguages) {
        if (language->langId == langId) {
            return language;
        }
    }
    return nullptr;
}
