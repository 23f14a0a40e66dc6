// quiralis-look: shows a dialog template of a language as the windows build
// it, or renders every template of every compiled language to PNG files.
//   quiralis-look <template-id> <langid>   (ids decimal, or hexadecimal with 0x)
//   quiralis-look --all <folder>           (dialog-<id>-<langid>.png, problems listed)

#include "LayoutCheck.h"
#include "resources/ActiveLanguage.h"
#include "resources/CompiledLanguages.h"
#include "layout/CTemplateDialog.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <cstdio>
#include <optional>

namespace {

constexpr int kUsageError = 2;

int Usage() {
    std::fputs("usage: quiralis-look <template-id> <langid>\n"
               "       quiralis-look --all <folder>\n",
               stderr);
    return kUsageError;
}

// Decimal, or hexadecimal with 0x.
std::optional<std::uint16_t> ParseId(const QString& text) {
    bool ok = false;
    const ushort value = text.toUShort(&ok, 0);
    return ok ? std::optional<std::uint16_t>(value) : std::nullopt;
}

int ShowTemplate(QApplication& app, std::uint16_t templateId, std::uint16_t langId) {
    SetActiveLanguage(langId);
    CTemplateDialog dialog(templateId);
    if (dialog.Template() == nullptr) {
        std::fprintf(stderr, "no dialog template %u\n", templateId);
        return 1;
    }
    dialog.show();
    return app.exec();
}

bool RenderTemplate(std::uint16_t templateId, std::uint16_t langId, const QDir& folder) {
    SetActiveLanguage(langId);
    CTemplateDialog dialog(templateId);
    dialog.show();
    QApplication::processEvents();
    const QString path =
        folder.filePath(QStringLiteral("dialog-%1-%2.png").arg(templateId).arg(langId));
    const bool saved = dialog.grab().save(path, "PNG");
    std::printf("%s  \"%s\"%s\n", qPrintable(path), qPrintable(dialog.windowTitle()),
                saved ? "" : "  (not saved)");
    for (const QString& problem : FindLayoutProblems(dialog)) {
        std::printf("    %s\n", qPrintable(problem));
    }
    return saved;
}

int RenderAll(const QString& folderPath) {
    const QDir folder(folderPath);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folderPath));
        return 1;
    }
    bool allSaved = true;
    for (const LanguageResources* language : CompiledLanguages()) {
        for (const DialogTemplate& dialogTemplate : language->dialogs) {
            allSaved = RenderTemplate(dialogTemplate.id, language->langId, folder) && allSaved;
        }
    }
    return allSaved ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return Usage();
    }
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments[1] == QLatin1String("--all")) {
        return RenderAll(arguments[2]);
    }
    const auto templateId = ParseId(arguments[1]);
    const auto langId = ParseId(arguments[2]);
    if (!templateId || !langId) {
        return Usage();
    }
    return ShowTemplate(app, *templateId, *langId);
}
