#include "layout/DialogBaseUnits.h"

#include <QFontMetrics>
#include <cstdint>

namespace {

constexpr int kAlphabetLetters = 26;

int MapX(int dialogUnits, DialogBaseUnits units) {
    return MulDiv(dialogUnits, units.x, 4);
}

int MapY(int dialogUnits, DialogBaseUnits units) {
    return MulDiv(dialogUnits, units.y, 8);
}

} // namespace

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    std::int64_t product = std::int64_t{number} * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    return static_cast<int>((product < 0 ? product - half : product + half) / divisor);
}

DialogBaseUnits BaseUnitsFromAlphabet(int alphabetWidth, int fontHeight) {
    return {(alphabetWidth / kAlphabetLetters + 1) / 2, fontHeight};
}

DialogBaseUnits MeasureDialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return BaseUnitsFromAlphabet(width, metrics.height());
}

QRect MapDialogRect(const DialogRect& rect, DialogBaseUnits units) {
    return {MapX(rect.x, units), MapY(rect.y, units), MapX(rect.width, units),
            MapY(rect.height, units)};
}

QSize MapDialogSize(const DialogRect& rect, DialogBaseUnits units) {
    return {MapX(rect.width, units), MapY(rect.height, units)};
}
