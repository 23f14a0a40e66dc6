#include "jobs/RunFileJobs.h"

#include "jobs/CWorkingProgressDlg.h"

#include <QFile>

void RunFileJobs(QWidget* mainWindow, const QStringList& localPaths,
                 const PasswordPrompt& passwordPrompt) {
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(localPaths.size()));
    for (const QString& path : localPaths) {
        paths.push_back(QFile::encodeName(path).toStdString());
    }
    CWorkingProgressDlg dialog(std::move(paths), passwordPrompt, mainWindow);
    dialog.exec();
}
