#pragma once
// Dialog units to pixels as the Windows dialog manager converts them: base
// units measured from the dialog font (average letter width and font height),
// then each coordinate scaled and rounded on its own as MulDiv rounds.

#include "resources/DialogTemplate.h"

#include <QRect>
#include <QSize>

class QFont;

struct DialogBaseUnits {
    int x; // horizontal: pixels per 4 dialog units
    int y; // vertical: pixels per 8 dialog units

    friend bool operator==(const DialogBaseUnits&, const DialogBaseUnits&) = default;
};

// number * numerator / denominator, rounded half away from zero; -1 for a zero denominator.
int MulDiv(int number, int numerator, int denominator);

// From the width of "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
// and the font height, with Windows' integer arithmetic.
DialogBaseUnits BaseUnitsFromAlphabet(int alphabetWidth, int fontHeight);

DialogBaseUnits MeasureDialogBaseUnits(const QFont& font);

QRect MapDialogRect(const DialogRect& rect, DialogBaseUnits units);
QSize MapDialogSize(const DialogRect& rect, DialogBaseUnits units);
