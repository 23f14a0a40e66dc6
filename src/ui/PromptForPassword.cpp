#include "ui/PromptForPassword.h"

#include "ui/CPassphraseDlg.h"

#include <QDialog>

bool PromptForPassword(QWidget* parent, std::string& password, bool confirm, bool* forceViewer,
                       const QString& prompt) {
    CPassphraseDlg dialog(&password, confirm, forceViewer, prompt, parent);
    // Only OK writes the password, so only OK may tell the caller to go on with it.
    return dialog.exec() == QDialog::Accepted;
}
