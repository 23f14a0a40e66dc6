#pragma once
// The one way an operation asks for a password: a modal password dialog with the given prompt,
// a confirmation field when confirm is set, and the "Require recipient to use the Viewer" box
// only when forceViewer is not null (read as its initial state, written with its final state).
// True on OK with password = the typed text in the user's ANSI code page; false on Cancel,
// with password and *forceViewer untouched.

#include <QString>
#include <string>

class QWidget;

bool PromptForPassword(QWidget* parent, std::string& password, bool confirm, bool* forceViewer,
                       const QString& prompt);
