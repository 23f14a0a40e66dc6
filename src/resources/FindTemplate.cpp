#include "resources/FindTemplate.h"

#include "resources/ActiveLanguage.h"
#include "resources/CompiledLanguages.h"
#include "resources/LanguageFallbackChain.h"

#include <span>

namespace {

template <typename Entry>
const Entry* FindInChain(std::uint16_t id, std::uint16_t langId,
                         std::span<const Entry> LanguageResources::*table) {
    for (const std::uint16_t candidate : LanguageFallbackChain(langId)) {
        const LanguageResources* language = FindLanguageResources(candidate);
        if (language == nullptr) {
            continue;
        }
        for (const Entry& entry : language->*table) {
            if (entry.id == id) {
                return &entry;
            }
        }
    }
    return nullptr;
}

} // namespace

const DialogTemplate* FindDialogTemplate(std::uint16_t id) {
    return FindDialogTemplate(id, ActiveLanguage());
}

const DialogTemplate* FindDialogTemplate(std::uint16_t id, std::uint16_t langId) {
    return FindInChain(id, langId, &LanguageResources::dialogs);
}

const MenuTemplate* FindMenuTemplate(std::uint16_t id) {
    return FindMenuTemplate(id, ActiveLanguage());
}

const MenuTemplate* FindMenuTemplate(std::uint16_t id, std::uint16_t langId) {
    return FindInChain(id, langId, &LanguageResources::menus);
}
