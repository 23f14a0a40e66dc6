#pragma once
// The one way an operation asks for a password, modally: a confirmation field when confirm is
// set; the viewer check box only when forceViewer is not null (its initial and final state).
// True on OK, with password = the typed text in the user's ANSI code page; false on Cancel,
// with password and *forceViewer untouched.

#include <QString>
#include <string>

class QWidget;

bool PromptForPassword(QWidget* parent, std::string& password, bool confirm, bool* forceViewer,
                       const QString& prompt);
