#include "MainWindowHarness.h"
#include "container/Armour.h"
#include "layout/TemporaryConfigHome.h"
#include "resources/LoadText.h"
#include "ui/AppTitle.h"
#include "ui/CViewerDlg.h"
#include "ui/TextBoxContents.h"

#include <QClipboard>
#include <QTextCursor>
#include <algorithm>

namespace {

const QString kPassword("Tr0ub4dor&3");

void Paste(const QWidget& window, const QString& text) {
    QApplication::clipboard()->setText(text);
    Click(window, ids::kPaste);
}

void SelectText(QPlainTextEdit& box, int anchor, int position) {
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

// Encrypt pressed and the password given twice.
QString Encrypted(const QWidget& window, bool forceViewer = false) {
    DialogAnswers answers;
    answers.Then(TypePassword(kPassword, forceViewer));
    Click(window, ids::kEncrypt);
    return answers.AllAnswered() ? TextBox(window)->toPlainText() : QString();
}

// One base64 character of the body changed, so the digests no longer match.
QString Damaged(QString armour) {
    const qsizetype end = armour.indexOf(QString::fromLatin1(kArmourEndMarker));
    const qsizetype at = end - 3;
    armour[at] = armour[at] == u'A' ? u'B' : u'A';
    return armour;
}

QString WithoutEndMarker(QString armour) {
    return armour.remove(QString::fromLatin1(kArmourEndMarker));
}

bool WorkingBoxShown(const QWidget& window) {
    const auto boxes = window.findChildren<CWorkingDlg*>();
    return std::ranges::any_of(boxes, &QWidget::isVisible);
}

QString DecryptFailure(const std::string& reason) {
    return QString::fromStdString(reason) + "\n";
}

} // namespace

class MessageCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void typedMessageEncryptsAndDecrypts_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("typed") << "abc";
        QTest::newRow("lines, Cyrillic and Japanese")
            << QString::fromUtf8("Привет,\nこんにちは\n\nend");
        QTest::newRow("non-breaking spaces kept")
            << QString::fromUtf8("Vraiment\u00A0? Oui\u00A0!");
    }

    void typedMessageEncryptsAndDecrypts() {
        QFETCH(QString, text);
        const auto window = ShownMainWindow();
        if (text == "abc") {
            QTest::keyClicks(TextBox(*window), text);
        } else {
            Paste(*window, text);
        }
        const QString armour = Encrypted(*window);
        QVERIFY(armour.startsWith(QString::fromLatin1(kArmourBeginMarker)));
        QVERIFY(armour.endsWith(QString::fromLatin1(kArmourEndMarker)));
        QVERIFY(armour.contains(QString::fromStdString(LoadText(123))));
        QVERIFY(Button(*window, ids::kDecrypt)->isEnabled());

        DialogAnswers answers;
        answers.Then(TypePassword(kPassword));
        Click(*window, ids::kDecrypt);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.Unexpected(), 0);
        QCOMPARE(TextBoxContents(*TextBox(*window)).toUtf8(), text.toUtf8());
        QVERIFY(!Button(*window, ids::kDecrypt)->isEnabled());
    }

    void armourInsideOtherTextDecryptsFromTheHiddenButtonToo() {
        const auto window = ShownMainWindow();
        Paste(*window, "secret");
        const QString armour = Encrypted(*window);
        Click(*window, ids::kClear);
        Paste(*window, "From: Ann\r\n\r\n" + QString(armour).replace("\r\n", "\n") + "\n-- \nAnn");
        DialogAnswers answers;
        answers.Then(TypePassword(kPassword));
        Button(*window, ids::kTest)->click();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(TextBox(*window)->toPlainText(), QString("secret"));
    }

    void forcedViewerShowsThePlainTextAndKeepsTheArmour() {
        const auto window = ShownMainWindow();
        Paste(*window, "for your eyes only");
        const QString armour = Encrypted(*window, true);
        QVERIFY(!armour.isEmpty());

        SeenBox notice;
        QString shownInViewer;
        DialogAnswers answers;
        answers.Then(TypePassword(kPassword))
            .Then(AnswerBox(notice, QMessageBox::Ok))
            .Then([&shownInViewer](QWidget& dialog) {
                QVERIFY(qobject_cast<CViewerDlg*>(&dialog) != nullptr);
                shownInViewer =
                    GetDlgItemAs<QPlainTextEdit>(dialog, ids::kViewerText)->toPlainText();
                QTest::mouseClick(GetDlgItem(dialog, IDOK), Qt::LeftButton);
            });
        Click(*window, ids::kDecrypt);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(notice.text, QString::fromStdString(LoadText(124)));
        QCOMPARE(notice.caption, ApplicationTitle());
        QCOMPARE(notice.icon, QMessageBox::Warning);
        QCOMPARE(shownInViewer, QString("for your eyes only"));
        QCOMPARE(TextBox(*window)->toPlainText(), armour);
        QVERIFY(Button(*window, ids::kDecrypt)->isEnabled());
    }

    void cancelledPasswordRestoresTheSelection_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("Encrypt") << ids::kEncrypt;
        QTest::newRow("Decrypt") << ids::kDecrypt;
    }

    void cancelledPasswordRestoresTheSelection() {
        QFETCH(int, command);
        const auto window = ShownMainWindow();
        const QString text = QString::fromLatin1(kArmourBeginMarker) + "\nnot really";
        Paste(*window, text);
        SelectText(*TextBox(*window), 30, 4);
        DialogAnswers answers;
        answers.Then(CancelDialog());
        Click(*window, command);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.Unexpected(), 0);
        QCOMPARE(TextBox(*window)->toPlainText(), text);
        QCOMPARE(TextBox(*window)->textCursor().anchor(), 30);
        QCOMPARE(TextBox(*window)->textCursor().position(), 4);
    }

    void failedDecryptionSaysWhy_data() {
        QTest::addColumn<int>("damage"); // 0 none, 1 a changed character, 2 no end marker
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("expected");
        QTest::newRow("damaged, right password")
            << 1 << kPassword
            << DecryptFailure("The text could not be decrypted because the data is corrupt or "
                              "invalid.(0x00000019)");
        QTest::newRow("damaged, wrong password")
            << 1 << "wrong"
            << DecryptFailure("The text could not be decrypted because the data is corrupt or "
                              "invalid.(0x00000019)");
        QTest::newRow("wrong password") << 0 << "wrong"
                                        << DecryptFailure("The text could not be decrypted because "
                                                          "the password is incorrect.(0x0000000C)");
        QTest::newRow("no end marker")
            << 2 << kPassword
            << DecryptFailure("The text could not be decrypted because it is not a supported or "
                              "valid format.(0x00000005)");
    }

    void failedDecryptionSaysWhy() {
        QFETCH(int, damage);
        QFETCH(QString, password);
        QFETCH(QString, expected);
        const auto window = ShownMainWindow();
        Paste(*window, "the plain text");
        QString message = Encrypted(*window);
        message = damage == 1   ? Damaged(message)
                  : damage == 2 ? WithoutEndMarker(message)
                                : message;
        Click(*window, ids::kClear);
        Paste(*window, message);
        const QString before = TextBox(*window)->toPlainText();
        SelectText(*TextBox(*window), 3, 9);

        SeenBox error;
        DialogAnswers answers;
        bool workingBoxOverTheError = true;
        answers.Then(TypePassword(password)).Then([&](QWidget& box) {
            workingBoxOverTheError = WorkingBoxShown(*window);
            AnswerBox(error, QMessageBox::Ok)(box);
        });
        Click(*window, ids::kDecrypt);
        QVERIFY(answers.AllAnswered());
        QVERIFY(!workingBoxOverTheError);
        QCOMPARE(error.text, expected);
        QCOMPARE(error.caption, ApplicationTitle());
        QCOMPARE(error.icon, QMessageBox::Critical);
        QCOMPARE(error.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(TextBox(*window)->toPlainText(), before);
        QCOMPARE(TextBox(*window)->textCursor().anchor(), 3);
        QCOMPARE(TextBox(*window)->textCursor().position(), 9);
        QCOMPARE(answers.Unexpected(), 0);
    }
};

QMX_LAYOUT_TEST_MAIN(MessageCommandsTest)
#include "message_commands_test.moc"
