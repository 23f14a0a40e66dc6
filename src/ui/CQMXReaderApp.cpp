#include "ui/CQMXReaderApp.h"

#include "layout/PlacementSettings.h"
#include "resources/ActiveLanguage.h"
#include "ui/AppTitle.h"
#include "ui/CQMXReaderDlg.h"

#include <QApplication>

StartupLanguage CQMXReaderApp::InitSettingsAndLanguage() {
    const StartupLanguage choice = ChooseStartupLanguage();
    const QString title = QString::fromStdString(choice.title);
    SetApplicationTitle(title);
    QCoreApplication::setOrganizationName(QStringLiteral("Brellic"));
    QCoreApplication::setApplicationName(title);
    SetPlacementApplicationTitle(title);
    SetActiveLanguage(choice.langId);
    return choice;
}

bool CQMXReaderApp::InitInstance() {
    InitSettingsAndLanguage();
    CQMXReaderDlg dialog;
    dialog.exec();
    // The clipboard is left as the user left it.
    return false;
}
