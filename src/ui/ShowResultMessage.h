#pragma once
// The error box of a failed container operation: the caller's lead-in joined with the reason
// for the code (ComposeResultMessage), caption the application title, error icon, one OK
// button, modal over parent. Nothing is shown for success or when the string table lacks the text.

#include "container/ResultCode.h"

#include <QString>

class QWidget;

void ShowResultMessage(QWidget* parent, const QString& leadIn, ResultCode code);
