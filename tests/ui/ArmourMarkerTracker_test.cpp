// The begin marker followed through edits of a text box: after every insert, removal, undo,
// redo and replacement of the whole text, the tracker answers as HasArmourMarker does for the
// box's text.

#include "container/Armour.h"
#include "ui/ArmourMarkerTracker.h"
#include "ui/TextBoxContents.h"

#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Pieces that often make, break and remake markers.
const QStringList kPieces = {"------",
                             "---",
                             "QMX",
                             "QMX BEGIN MSG",
                             " BEGIN",
                             " MSG------",
                             "-",
                             "x",
                             "\n",
                             "\r\n",
                             "------QMX BEGIN MSG------",
                             "\xC3\xBC"};

bool Expected(const QPlainTextEdit& box) {
    return HasArmourMarker(TextBoxContents(box).toStdString());
}

class ArmourMarkerTrackerTest : public QObject {
    Q_OBJECT

private slots:
    void AnswersAsTheWholeTextAfterEveryEdit() {
        QPlainTextEdit box;
        const ArmourMarkerTracker tracker(*box.document());
        QRandomGenerator random(7);
        QTextCursor cursor(box.document());
        for (int step = 0; step < 4000; ++step) {
            const int length = box.document()->characterCount() - 1;
            const int at = int(random.bounded(length + 1));
            switch (random.bounded(7)) {
            case 0:
            case 1:
            case 2:
                cursor.setPosition(at);
                cursor.insertText(kPieces[int(random.bounded(kPieces.size()))]);
                break;
            case 3:
            case 4:
                cursor.setPosition(at);
                cursor.setPosition(std::min(length, at + int(random.bounded(30))),
                                   QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
                break;
            case 5:
                random.bounded(2) == 0 ? box.undo() : box.redo();
                break;
            default:
                if (random.bounded(20) == 0) {
                    SetTextBoxContents(box, kPieces[int(random.bounded(kPieces.size()))] + "y");
                }
            }
            QVERIFY2(tracker.Present() == Expected(box),
                     qPrintable(QString("step %1: \"%2\"").arg(step).arg(TextBoxContents(box))));
        }
    }

    void FindsAMarkerFarIntoALongText() {
        QPlainTextEdit box;
        const ArmourMarkerTracker tracker(*box.document());
        const QString filler = QString("plain line\n").repeated(20000);
        SetTextBoxContents(box, filler + QString::fromLatin1(kArmourBeginMarker));
        QVERIFY(!tracker.Present());
        QTextCursor cursor(box.document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText("\n");
        QVERIFY(tracker.Present());
        cursor.setPosition(int(filler.size()) + 3);
        cursor.deleteChar();
        QVERIFY(!tracker.Present());
    }

    void FollowsADocumentWithoutABox() {
        QTextDocument document;
        const ArmourMarkerTracker tracker(document);
        QTextCursor(&document).insertText(QString::fromLatin1(kArmourBeginMarker) + "\n");
        QVERIFY(tracker.Present());
    }

    void StartsFromTheTextAlreadyThere() {
        QPlainTextEdit box;
        box.setPlainText(QString::fromLatin1(kArmourBeginMarker) + "\nAB");
        const ArmourMarkerTracker tracker(*box.document());
        QVERIFY(tracker.Present());
    }
};

} // namespace

QTEST_MAIN(ArmourMarkerTrackerTest)
#include "ArmourMarkerTracker_test.moc"
