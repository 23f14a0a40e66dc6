#pragma once
// The interface language of a run, chosen once at start: the user's default
// interface language, unless the settings of organisation "Brellic" under the
// application title hold another LangID in section Localisation. Only reads.

#include <cstdint>
#include <string>

struct StartupLanguage {
    std::uint16_t langId;
    // String 57344 in the default language, taken before any override: the
    // application name the settings are kept under.
    std::string title;
};

[[nodiscard]] StartupLanguage ChooseStartupLanguage();

// Chooses and makes the choice the active language.
StartupLanguage ApplyStartupLanguage();
