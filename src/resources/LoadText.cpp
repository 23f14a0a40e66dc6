#include "resources/LoadText.h"

#include "resources/ActiveLanguage.h"
#include "resources/CompiledLanguages.h"
#include "resources/LanguageFallbackChain.h"

#include <optional>
#include <string_view>

namespace {

std::optional<std::string_view> FindText(const LanguageResources& language, std::uint32_t id) {
    for (const StringEntry& entry : language.strings) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return std::nullopt;
}

} // namespace

std::string LoadText(std::uint32_t id) {
    return LoadText(id, ActiveLanguage());
}

std::string LoadText(std::uint32_t id, std::uint16_t langId) {
    for (const std::uint16_t candidate : LanguageFallbackChain(langId)) {
        const LanguageResources* language = FindLanguageResources(candidate);
        if (language == nullptr) {
            continue;
        }
        if (const auto text = FindText(*language, id)) {
            return std::string(*text);
        }
    }
    return {};
}
