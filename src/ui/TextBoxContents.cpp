#include "ui/TextBoxContents.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString TextBoxContents(const QPlainTextEdit& box) {
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

void SetTextBoxContents(QPlainTextEdit& box, const QString& text) {
    box.setPlainText(text);
}
