#pragma once
// The shape of the password dialog's entry point, PromptForPassword, so the main window can
// hand it over as it stands: it writes password (code-page bytes) only when the user confirms
// with OK and answers whether they did; a non-null forceViewer shows the viewer check box.

#include <QString>
#include <functional>
#include <string>

class QWidget;

using PasswordPrompt = std::function<bool(QWidget* parent, std::string& password, bool confirm,
                                          bool* forceViewer, const QString& prompt)>;
