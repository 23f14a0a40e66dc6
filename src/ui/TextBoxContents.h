#pragma once
// The text of a plain-text box exactly as the user typed or pasted it, line breaks as '\n':
// unlike QPlainTextEdit::toPlainText, non-breaking spaces stay what they are. Setting it
// replaces the whole contents; "\r\n" and a lone '\r' become line breaks.

#include <QString>

class QPlainTextEdit;

[[nodiscard]] QString TextBoxContents(const QPlainTextEdit& box);
void SetTextBoxContents(QPlainTextEdit& box, const QString& text);
