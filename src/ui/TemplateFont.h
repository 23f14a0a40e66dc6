#pragma once
// The Qt font of a dialog template's font. "MS Shell Dlg", Windows' alias for
// the user-interface font, becomes the system's general sans font; any other
// face is asked for by name. The size is the template's point size turned into
// whole pixels as Windows does (MulDiv by the screen's logical DPI over 72).

#include "resources/DialogTemplate.h"

#include <QFont>

QFont ResolveTemplateFont(const DialogFont& font);
