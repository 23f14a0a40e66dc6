#pragma once
// The selection of a text box, kept to be put back later: anchor and caret, so a selection
// made backwards comes back backwards. Positions beyond the text end at its end.

class QPlainTextEdit;

struct TextSelection {
    int anchor = 0;
    int position = 0;

    [[nodiscard]] static TextSelection Of(const QPlainTextEdit& box);
    [[nodiscard]] bool IsEmpty() const { return anchor == position; }
    void RestoreTo(QPlainTextEdit& box) const;
};
