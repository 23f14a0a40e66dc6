#include "resources/StartupLanguage.h"

#include "platform/Locale.h"
#include "platform/Settings.h"
#include "resources/ActiveLanguage.h"
#include "resources/LoadText.h"

#include <limits>

namespace {

constexpr std::uint32_t kApplicationTitleId = 57344;
constexpr const char* kOrganisation = "Brellic";
constexpr const char* kSection = "Localisation";
constexpr const char* kKey = "LangID";

} // namespace

StartupLanguage ChooseStartupLanguage() {
    const LANGID defaultLanguage = UserDefaultUILanguage();
    StartupLanguage choice{defaultLanguage, LoadText(kApplicationTitleId, defaultLanguage)};
    const auto stored = ReadProfileInt(kOrganisation, choice.title, kSection, kKey);
    // A value wider than a LANGID names no language; cutting it down would
    // pick one at random.
    if (stored && *stored != defaultLanguage && *stored <= std::numeric_limits<LANGID>::max()) {
        choice.langId = static_cast<LANGID>(*stored);
    }
    return choice;
}

StartupLanguage ApplyStartupLanguage() {
    StartupLanguage choice = ChooseStartupLanguage();
    SetActiveLanguage(choice.langId);
    return choice;
}
