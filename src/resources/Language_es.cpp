// Spanish: translated strings, dialogs and menu follow.

#include "resources/LanguageResources.h"

constinit const LanguageResources g_languageSpanish{.langId = 10};
