#pragma once
// Whether a text document holds a message's begin marker with at least one character after it,
// as HasArmourMarker answers for its text, kept up to date from the document's own change
// reports: an edit is searched only around itself, so a keystroke in a long text costs no more
// than in a short one.

#include <QObject>
#include <QString>

class QTextDocument;

class ArmourMarkerTracker : public QObject {
public:
    // Follows the document from now on; destroy the tracker before the document.
    explicit ArmourMarkerTracker(QTextDocument& document);

    [[nodiscard]] bool Present() const;

private:
    void OnContentsChange(int position, int removed, int added);
    // The first marker that starts at a position in [from, to), or -1.
    [[nodiscard]] int FindStartingIn(int from, int to) const;
    [[nodiscard]] int TextLength() const;

    QTextDocument& document_;
    const QString marker_;
    // Where the first marker of the text starts, or -1.
    int first_ = -1;
};
