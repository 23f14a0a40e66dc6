#pragma once
// What the main window's drop handler calls: runs the file progress dialog modally over the
// dropped local paths, in drop order, and returns when the batch is over and the dialog has
// closed. passwordPrompt is the password dialog; without one every prompt counts as cancelled.

#include "jobs/PasswordPrompt.h"

#include <QStringList>
#include <QWidget>

void RunFileJobs(QWidget* mainWindow, const QStringList& localPaths,
                 const PasswordPrompt& passwordPrompt);
