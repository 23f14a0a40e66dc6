#include "layout/TemplateFont.h"

#include "layout/DialogBaseUnits.h"
#include "layout/TemplateValues.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QScreen>
#include <QTextLayout>
#include <cmath>

namespace {

constexpr int kDefaultDpi = 96;
constexpr int kPointsPerInch = 72;
constexpr std::uint16_t kPrimaryLanguageMask = 0x03FF;

// A character of each script whose languages the general font may lack.
struct ScriptSample {
    std::uint16_t primaryLanguage;
    char16_t character;
};

constexpr ScriptSample kScriptSamples[] = {
    {0x11, u'\u3042'}, // Japanese: hiragana "a"
};

bool IsShellDialogAlias(std::string_view face) {
    return face == "MS Shell Dlg" || face == "MS Shell Dlg 2";
}

int LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? static_cast<int>(std::lround(screen->logicalDotsPerInchY()))
                             : kDefaultDpi;
}

// The family that actually draws the character in this font: the font
// itself, or the system's fallback for the character's script.
QString FamilyDrawing(const QFont& font, char16_t character) {
    QTextLayout layout(QString(QChar(character)), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return runs.isEmpty() ? font.family() : runs.front().rawFont().familyName();
}

// Windows' dialog font has Arial's proportions; Liberation Sans shares them,
// so translated texts fit the widths their templates give them.
constexpr const char* kShellDialogFamily = "Liberation Sans";

QFont GeneralDialogFont() {
    if (QFontDatabase::families().contains(QString::fromLatin1(kShellDialogFamily))) {
        return QFont(QString::fromLatin1(kShellDialogFamily));
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

QFont ShellDialogFont(std::uint16_t langId) {
    QFont font = GeneralDialogFont();
    for (const ScriptSample& sample : kScriptSamples) {
        if (sample.primaryLanguage == (langId & kPrimaryLanguageMask)) {
            font.setFamily(FamilyDrawing(font, sample.character));
        }
    }
    return font;
}

} // namespace

QFont ResolveTemplateFont(const DialogFont& font, std::uint16_t langId) {
    QFont resolved =
        IsShellDialogAlias(font.face) ? ShellDialogFont(langId) : QFont(QStringFromUtf8(font.face));
    resolved.setPixelSize(MulDiv(font.pointSize, LogicalDpi(), kPointsPerInch));
    return resolved;
}
