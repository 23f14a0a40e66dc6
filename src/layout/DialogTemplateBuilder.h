#pragma once
// Fills a QDialog from a dialog template, as the Windows dialog manager
// creates a dialog: caption, window flags and client size from the template's
// styles, the template font set on the dialog (base units are measured from
// it), then one widget per control in template order, each at its dialog-unit
// rectangle in pixels, shown, enabled and focusable as its style says, tagged
// with its id (GetDlgItem). Tab order is the template order of the tab stops.
// A dialog without a sizing border gets a fixed size; a caller that resizes it
// anyway (a size grip) lifts the limits itself. Build before the dialog is
// shown; showing or running it is the caller's.

#include "resources/DialogTemplate.h"

#include <QDialog>
#include <cstdint>

// Through the language fallback chain; false, with the dialog untouched, when
// no language has the template.
bool BuildDialogFromTemplate(QDialog& dialog, std::uint16_t templateId, std::uint16_t langId);
// In the active language.
bool BuildDialogFromTemplate(QDialog& dialog, std::uint16_t templateId);

// The language chooses the font the template's font stands for.
void BuildDialogFromTemplate(QDialog& dialog, const DialogTemplate& dialogTemplate,
                             std::uint16_t langId);
