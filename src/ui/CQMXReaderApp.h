#pragma once
// The application object: names the settings after the application title (string 57344 of the
// user's default interface language, organisation "Brellic"), takes the interface language from
// Localisation/LangID there (read, never written), then runs the main window modally. The
// program ends when that window closes. Needs a QApplication.

#include "resources/StartupLanguage.h"

class CQMXReaderApp {
public:
    // The steps before the main window; InitInstance runs them first.
    StartupLanguage InitSettingsAndLanguage();

    // Runs the whole program; false: there is nothing left to run when it returns.
    bool InitInstance();
};
