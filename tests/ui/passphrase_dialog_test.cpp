#include "layout/DlgItem.h"
#include "layout/PasswordMaskStyle.h"
#include "layout/TemporaryConfigHome.h"
#include "resources/ControlIds.h"
#include "resources/LoadText.h"
#include "ui/CPassphraseDlg.h"
#include "ui/PromptForPassword.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr int IDC_PASSWORD = 1002;
constexpr int IDC_PROMPT = 1003;
constexpr int IDC_CONFIRM = 1008;
constexpr int IDC_SHOW_TYPING = 1009;
constexpr int IDC_FORCE_VIEWER = 1016;
constexpr int IDC_CONFIRM_LABEL = 1020;
constexpr std::uint32_t kDecryptMessagePrompt = 117;
constexpr std::uint32_t kEncryptMessagePrompt = 118;

enum class Viewer { NotOffered, Unchecked, Checked };
enum class Ending { ClickOk, Enter, ClickCancel, Escape };

QLineEdit* Edit(const QWidget& dialog, int id) {
    return GetDlgItemAs<QLineEdit>(dialog, id);
}

QCheckBox* CheckBox(const QWidget& dialog, int id) {
    return GetDlgItemAs<QCheckBox>(dialog, id);
}

QPushButton* Button(const QWidget& dialog, int id) {
    return GetDlgItemAs<QPushButton>(dialog, id);
}

// Key by key, as typed; also characters QTest::keyClicks cannot send.
void Type(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

void ClickCheckBox(QCheckBox& box) {
    QStyleOptionButton option;
    option.initFrom(&box);
    const QRect indicator =
        box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

// Into the focused field, then Tab and into the next one, as a user fills the dialog.
void FillIn(QDialog& dialog, const QString& password, const QString& confirmation) {
    Type(dialog.focusWidget(), password);
    if (!confirmation.isEmpty()) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        Type(dialog.focusWidget(), confirmation);
    }
}

void End(QDialog& dialog, Ending ending) {
    switch (ending) {
    case Ending::ClickOk:
        QTest::mouseClick(Button(dialog, IDOK), Qt::LeftButton);
        break;
    case Ending::ClickCancel:
        QTest::mouseClick(Button(dialog, IDCANCEL), Qt::LeftButton);
        break;
    case Ending::Enter:
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        break;
    case Ending::Escape:
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
        break;
    }
}

// Answers the dialog that the next exec() opens.
void AnswerNextDialog(std::function<void(QDialog&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            answer(*dialog);
        }
    });
}

// As Windows turns 10 points into pixels: MulDiv(10, dpi, 72), rounded.
int TenPointPixels() {
    const auto dpi =
        static_cast<int>(std::lround(QGuiApplication::primaryScreen()->logicalDotsPerInchY()));
    return (10 * dpi + 36) / 72;
}

QString Text(std::uint32_t id) {
    return QString::fromStdString(LoadText(id));
}

// The session's locale for one test, put back afterwards.
class ScopedLocale {
public:
    explicit ScopedLocale(const QByteArray& locale)
        : hadOld_(qEnvironmentVariableIsSet("LC_ALL")), old_(qgetenv("LC_ALL")) {
        qputenv("LC_ALL", locale);
    }
    ~ScopedLocale() {
        if (hadOld_) {
            qputenv("LC_ALL", old_);
        } else {
            qunsetenv("LC_ALL");
        }
    }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    bool hadOld_;
    QByteArray old_;
};

class FailingConversionDlg : public CPassphraseDlg {
public:
    using CPassphraseDlg::CPassphraseDlg;

protected:
    std::optional<std::string> ToCodePageBytes(const QString&) const override {
        return std::nullopt;
    }
};

} // namespace

Q_DECLARE_METATYPE(Viewer)
Q_DECLARE_METATYPE(Ending)

class PassphraseDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensAsItsUseAsks_data();
    void opensAsItsUseAsks();
    void okFollowsTheFields_data();
    void okFollowsTheFields();
    void showTypingUnmasksBothFields_data();
    void showTypingUnmasksBothFields();
    void answersTheCaller_data();
    void answersTheCaller();
    void staysOpenWithoutAUsablePassword_data();
    void staysOpenWithoutAUsablePassword();
    void forgetsTheTypedTextWhenClosed_data();
    void forgetsTheTypedTextWhenClosed();
};

void PassphraseDialogTest::opensAsItsUseAsks_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<Viewer>("viewer");
    QTest::addColumn<std::uint32_t>("promptId");
    QTest::newRow("decrypt") << false << Viewer::NotOffered << kDecryptMessagePrompt;
    QTest::newRow("encrypt files") << true << Viewer::NotOffered << kEncryptMessagePrompt;
    QTest::newRow("encrypt a message") << true << Viewer::Unchecked << kEncryptMessagePrompt;
    QTest::newRow("encrypt, viewer already asked for")
        << true << Viewer::Checked << kEncryptMessagePrompt;
}

void PassphraseDialogTest::opensAsItsUseAsks() {
    QFETCH(bool, confirm);
    QFETCH(Viewer, viewer);
    QFETCH(std::uint32_t, promptId);

    std::string password = "previous";
    bool forceViewer = viewer == Viewer::Checked;
    CPassphraseDlg dialog(&password, confirm, viewer == Viewer::NotOffered ? nullptr : &forceViewer,
                          Text(promptId));
    dialog.show();

    QCOMPARE(GetDlgItemAs<QLabel>(dialog, IDC_PROMPT)->text(), Text(promptId));
    QCOMPARE(Edit(dialog, IDC_CONFIRM)->isVisible(), confirm);
    QCOMPARE(GetDlgItem(dialog, IDC_CONFIRM_LABEL)->isVisible(), confirm);
    QCOMPARE(CheckBox(dialog, IDC_FORCE_VIEWER)->isVisible(), viewer != Viewer::NotOffered);
    QCOMPARE(CheckBox(dialog, IDC_FORCE_VIEWER)->isChecked(), viewer == Viewer::Checked);
    QVERIFY(!CheckBox(dialog, IDC_SHOW_TYPING)->isChecked());
    QVERIFY(!Button(dialog, IDOK)->isEnabled());
    QCOMPARE(dialog.focusWidget(), Edit(dialog, IDC_PASSWORD));
    for (const int id : {IDC_PASSWORD, IDC_CONFIRM}) {
        QLineEdit* edit = Edit(dialog, id);
        QVERIFY(edit->text().isEmpty());
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QCOMPARE(edit->font().pixelSize(), TenPointPixels());
    }
    QVERIFY(GetDlgItem(dialog, IDC_PROMPT)->font().pixelSize() < TenPointPixels());
}

void PassphraseDialogTest::okFollowsTheFields_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<int>("deletedFromConfirmation");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("decrypt: one character") << false << "a"
                                            << "" << 0 << true;
    QTest::newRow("decrypt: nothing typed") << false << ""
                                            << "" << 0 << false;
    QTest::newRow("decrypt: spaces count") << false << "  "
                                           << "" << 0 << true;
    QTest::newRow("encrypt: password alone") << true << "Secret"
                                             << "" << 0 << false;
    QTest::newRow("encrypt: both the same") << true << "Secret"
                                            << "Secret" << 0 << true;
    QTest::newRow("encrypt: letter case differs") << true << "Secret"
                                                  << "secret" << 0 << false;
    QTest::newRow("encrypt: one character short") << true << "Secret"
                                                  << "Secre" << 0 << false;
    QTest::newRow("encrypt: deleting from the confirmation") << true << "Secret"
                                                             << "Secret" << 1 << false;
}

void PassphraseDialogTest::okFollowsTheFields() {
    QFETCH(bool, confirm);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(int, deletedFromConfirmation);
    QFETCH(bool, enabled);

    std::string bytes;
    CPassphraseDlg dialog(&bytes, confirm, nullptr, QString());
    dialog.show();
    FillIn(dialog, password, confirmation);
    for (int i = 0; i < deletedFromConfirmation; ++i) {
        QTest::keyClick(Edit(dialog, IDC_CONFIRM), Qt::Key_Backspace);
    }

    QCOMPARE(Button(dialog, IDOK)->isEnabled(), enabled);
}

void PassphraseDialogTest::showTypingUnmasksBothFields_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("with confirmation") << true;
    QTest::newRow("confirmation hidden") << false;
}

void PassphraseDialogTest::showTypingUnmasksBothFields() {
    QFETCH(bool, confirm);

    std::string bytes;
    CPassphraseDlg dialog(&bytes, confirm, nullptr, QString());
    dialog.show();
    QCheckBox* showTyping = CheckBox(dialog, IDC_SHOW_TYPING);
    const QList<QLineEdit*> edits{Edit(dialog, IDC_PASSWORD), Edit(dialog, IDC_CONFIRM)};

    ClickCheckBox(*showTyping);
    QVERIFY(showTyping->isChecked());
    for (QLineEdit* edit : edits) {
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
    }
    ClickCheckBox(*showTyping);
    QVERIFY(!showTyping->isChecked());
    for (QLineEdit* edit : edits) {
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QCOMPARE(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit),
                 int{kPasswordMaskCharacter});
    }
}

void PassphraseDialogTest::answersTheCaller_data() {
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("clickViewerBox");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<bool>("forceViewer");

    const QByteArray previous("previous");
    QTest::newRow("OK: Western European bytes")
        << QByteArray("fr_FR.UTF-8") << false << "caf\u00e9" << false << Ending::ClickOk << true
        << QByteArray("\x63\x61\x66\xE9") << false;
    QTest::newRow("Enter: Central European bytes")
        << QByteArray("pl_PL.UTF-8") << false << "\u017c\u00f3\u0142w" << false << Ending::Enter
        << true << QByteArray("\xBF\xF3\xB3\x77") << false;
    QTest::newRow("OK: a letter the code page lacks")
        << QByteArray("en_US.UTF-8") << false << "a\u03bbb" << false << Ending::ClickOk << true
        << QByteArray("a?b") << false;
    QTest::newRow("OK with confirmation and the viewer box")
        << QByteArray("en_US.UTF-8") << true << "Secret" << true << Ending::ClickOk << true
        << QByteArray("Secret") << true;
    QTest::newRow("Cancel") << QByteArray("en_US.UTF-8") << true << "Secret" << true
                            << Ending::ClickCancel << false << previous << false;
    QTest::newRow("Escape") << QByteArray("en_US.UTF-8") << false << "Secret" << false
                            << Ending::Escape << false << previous << false;
}

void PassphraseDialogTest::answersTheCaller() {
    QFETCH(QByteArray, locale);
    QFETCH(bool, confirm);
    QFETCH(QString, typed);
    QFETCH(bool, clickViewerBox);
    QFETCH(Ending, ending);
    QFETCH(bool, result);
    QFETCH(QByteArray, password);
    QFETCH(bool, forceViewer);

    const ScopedLocale scopedLocale(locale);
    std::string bytes = "previous";
    bool viewer = false;
    AnswerNextDialog([&](QDialog& dialog) {
        FillIn(dialog, typed, confirm ? typed : QString());
        if (clickViewerBox) {
            ClickCheckBox(*CheckBox(dialog, IDC_FORCE_VIEWER));
        }
        End(dialog, ending);
    });

    QCOMPARE(PromptForPassword(nullptr, bytes, confirm, &viewer, Text(kEncryptMessagePrompt)),
             result);
    QCOMPARE(QByteArray::fromStdString(bytes), password);
    QCOMPARE(viewer, forceViewer);
}

void PassphraseDialogTest::staysOpenWithoutAUsablePassword_data() {
    QTest::addColumn<bool>("conversionFails");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<Ending>("ending");
    QTest::newRow("confirmation differs, Enter") << false << "secreT" << Ending::Enter;
    QTest::newRow("conversion fails, OK") << true << "secret" << Ending::ClickOk;
}

void PassphraseDialogTest::staysOpenWithoutAUsablePassword() {
    QFETCH(bool, conversionFails);
    QFETCH(QString, confirmation);
    QFETCH(Ending, ending);

    std::string bytes = "previous";
    bool viewer = false;
    const std::unique_ptr<CPassphraseDlg> dialog =
        conversionFails ? std::make_unique<FailingConversionDlg>(&bytes, true, &viewer, QString())
                        : std::make_unique<CPassphraseDlg>(&bytes, true, &viewer, QString());
    dialog->show();
    FillIn(*dialog, "secret", confirmation);
    ClickCheckBox(*CheckBox(*dialog, IDC_FORCE_VIEWER));
    End(*dialog, ending);

    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), int{QDialog::Rejected});
    QCOMPARE(bytes, std::string("previous"));
    QVERIFY(!viewer);
    if (conversionFails) {
        QCOMPARE(dialog->focusWidget(), Edit(*dialog, IDC_PASSWORD));
        QCOMPARE(Edit(*dialog, IDC_PASSWORD)->selectedText(), QString("secret"));
    }
}

void PassphraseDialogTest::forgetsTheTypedTextWhenClosed_data() {
    QTest::addColumn<Ending>("ending");
    QTest::newRow("OK") << Ending::ClickOk;
    QTest::newRow("Cancel") << Ending::ClickCancel;
}

void PassphraseDialogTest::forgetsTheTypedTextWhenClosed() {
    QFETCH(Ending, ending);

    std::string bytes;
    CPassphraseDlg dialog(&bytes, true, nullptr, QString());
    dialog.show();
    FillIn(dialog, "secret", "secret");
    End(dialog, ending);

    QVERIFY(!dialog.isVisible());
    QVERIFY(Edit(dialog, IDC_PASSWORD)->text().isEmpty());
    QVERIFY(Edit(dialog, IDC_CONFIRM)->text().isEmpty());
    QVERIFY(!Button(dialog, IDOK)->isEnabled());
}

QMX_LAYOUT_TEST_MAIN(PassphraseDialogTest)
#include "passphrase_dialog_test.moc"
