#include "ui/ArmourMarkerTracker.h"

#include "container/Armour.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

// Long texts are searched a slice at a time, so a marker near the start is found without
// copying the rest.
constexpr int kSlice = 1 << 16;

} // namespace

ArmourMarkerTracker::ArmourMarkerTracker(QTextDocument& document)
    : QObject(&document), document_(document), marker_(QString::fromLatin1(kArmourBeginMarker)) {
    first_ = FindStartingIn(0, TextLength());
    // A document reports its changes only once it has a layout (a text box gives it one).
    (void)document.documentLayout();
    connect(&document, &QTextDocument::contentsChange, this,
            &ArmourMarkerTracker::OnContentsChange);
}

bool ArmourMarkerTracker::Present() const {
    return first_ >= 0 && first_ + marker_.size() < TextLength();
}

// Text before a change stays where it was; a marker that appears must overlap the change, and
// the first marker moves only if the change lies before it.
void ArmourMarkerTracker::OnContentsChange(int position, int removed, int added) {
    const int length = static_cast<int>(marker_.size());
    const int aroundStart = position - length + 1;
    const int aroundEnd = position + added;
    if (first_ >= 0 && position >= first_ + length) {
        return;
    }
    if (first_ < 0) {
        first_ = FindStartingIn(aroundStart, aroundEnd);
        return;
    }
    if (position + removed <= first_) {
        const int appeared = FindStartingIn(aroundStart, aroundEnd);
        first_ = appeared >= 0 ? appeared : first_ + added - removed;
        return;
    }
    // The change cut into the marker: nothing before it holds another.
    first_ = FindStartingIn(aroundStart, TextLength());
}

int ArmourMarkerTracker::FindStartingIn(int from, int to) const {
    const int length = static_cast<int>(marker_.size());
    const int textLength = TextLength();
    from = std::max(from, 0);
    to = std::min(to, textLength - length + 1);
    QTextCursor cursor(&document_);
    for (int start = from; start < to; start += kSlice) {
        const int sliceEnd = std::min(start + kSlice, to);
        cursor.setPosition(start);
        cursor.setPosition(sliceEnd + length - 1, QTextCursor::KeepAnchor);
        const qsizetype at = cursor.selectedText().indexOf(marker_);
        if (at >= 0) {
            return start + static_cast<int>(at);
        }
    }
    return -1;
}

// The document counts one paragraph end beyond its text.
int ArmourMarkerTracker::TextLength() const {
    return document_.characterCount() - 1;
}
