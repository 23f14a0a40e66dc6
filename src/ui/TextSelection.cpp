#include "ui/TextSelection.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

TextSelection TextSelection::Of(const QPlainTextEdit& box) {
    const QTextCursor cursor = box.textCursor();
    return {cursor.anchor(), cursor.position()};
}

void TextSelection::RestoreTo(QPlainTextEdit& box) const {
    QTextCursor cursor = box.textCursor();
    cursor.movePosition(QTextCursor::End);
    const int end = cursor.position();
    cursor.setPosition(std::clamp(anchor, 0, end));
    cursor.setPosition(std::clamp(position, 0, end), QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}
