#include "ui/TemplateFont.h"

#include "ui/DialogBaseUnits.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

constexpr int kDefaultDpi = 96;
constexpr int kPointsPerInch = 72;

bool IsShellDialogAlias(std::string_view face) {
    return face == "MS Shell Dlg" || face == "MS Shell Dlg 2";
}

int LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? static_cast<int>(std::lround(screen->logicalDotsPerInchY()))
                             : kDefaultDpi;
}

} // namespace

QFont ResolveTemplateFont(const DialogFont& font) {
    QFont resolved =
        IsShellDialogAlias(font.face)
            ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
            : QFont(QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size())));
    resolved.setPixelSize(MulDiv(font.pointSize, LogicalDpi(), kPointsPerInch));
    return resolved;
}
