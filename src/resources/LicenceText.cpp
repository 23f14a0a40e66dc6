#include "resources/LicenceText.h"

#include "resources/ActiveLanguage.h"
#include "resources/EmbeddedFiles.h"
#include "resources/LanguageFallbackChain.h"

#include <algorithm>

namespace {

// Every entry is the same document, stored once. English has none of its own:
// it reaches the neutral entry through the fallback chain.
constexpr std::uint16_t kLicenceLanguages[] = {LANGID_NEUTRAL, 0x000A, 0x0013, 0x0407,
                                               0x040C,         0x0411, 0x0415};

bool HasLicence(std::uint16_t langId) {
    return std::ranges::find(kLicenceLanguages, langId) != std::ranges::end(kLicenceLanguages);
}

} // namespace

std::span<const std::uint8_t> LicenceText() {
    return LicenceText(ActiveLanguage());
}

std::span<const std::uint8_t> LicenceText(std::uint16_t langId) {
    for (const std::uint16_t candidate : LanguageFallbackChain(langId)) {
        if (HasLicence(candidate)) {
            return EmbeddedLicenceAgreement();
        }
    }
    return {};
}
