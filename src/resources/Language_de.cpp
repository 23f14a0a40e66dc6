// German: translated strings, dialogs and menu follow.

#include "resources/LanguageResources.h"

constinit const LanguageResources g_languageGerman{.langId = 1031};
