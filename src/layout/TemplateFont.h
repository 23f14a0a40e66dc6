#pragma once
// The Qt font of a dialog template's font in a language. "MS Shell Dlg",
// Windows' alias for the user-interface font of the system's language, becomes
// the system's general sans font, or for a language in a script that font
// lacks (Japanese) the font the system falls back to for that script, so the
// base units come from the font that draws the texts. Any other face is asked
// for by name. The size is the template's point size in whole pixels, turned
// as Windows turns it (MulDiv by the screen's logical DPI over 72).

#include "resources/DialogTemplate.h"

#include <QFont>
#include <cstdint>

QFont ResolveTemplateFont(const DialogFont& font, std::uint16_t langId);
