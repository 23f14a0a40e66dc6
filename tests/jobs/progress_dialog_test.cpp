#include "ScriptedInteraction.h"
#include "jobs/CWorkingProgressDlg.h"
#include "jobs/JobCodes.h"
#include "jobs/JobDisplay.h"
#include "jobs/PathCompactPathEx.h"
#include "jobs/RunFileJobs.h"
#include "layout/DlgItem.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

struct SeenBox {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Answers every message box once it shows, through a queued click, and notes what it showed.
class BoxAnswerer final : public QObject {
public:
    std::function<QMessageBox::StandardButton(QMessageBox&)> answer = [](QMessageBox&) {
        return QMessageBox::Ok;
    };
    QList<SeenBox> seen;

    BoxAnswerer() { qApp->installEventFilter(this); }
    ~BoxAnswerer() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* object, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(object);
        if (box && event->type() == QEvent::Show) {
            seen.append({box->icon(), box->windowTitle(), box->text(), box->standardButtons()});
            QAbstractButton* button = box->button(answer(*box));
            QMetaObject::invokeMethod(
                box, [button] { button->click(); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// Counts the paints of one widget.
class PaintCounter final : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

struct DisplayState {
    QString status;
    QString fileName;
    bool cancelEnabled;
    bool barShown;
    int position;
};

DisplayState StateOf(const QWidget& dialog) {
    const auto* bar = GetDlgItemAs<QProgressBar>(dialog, 1018);
    return {GetDlgItemAs<QLabel>(dialog, 1003)->text(), GetDlgItemAs<QLabel>(dialog, 1004)->text(),
            GetDlgItemAs<QPushButton>(dialog, 2)->isEnabled(), !bar->isHidden(), bar->value()};
}

struct SeenPrompt {
    QWidget* parent;
    bool confirm;
    QString text;
};

PasswordPrompt Answering(std::function<void(const SeenPrompt&)> look,
                         std::optional<std::string> answer) {
    return [look = std::move(look), answer](QWidget* parent, std::string& password, bool confirm,
                                            bool* forceViewer, const QString& prompt) {
        look({parent, confirm, prompt});
        if (forceViewer != nullptr) {
            return false; // files never offer the viewer check box
        }
        if (answer) {
            password = *answer;
        }
        return answer.has_value();
    };
}

} // namespace

class ProgressDialogTest : public QObject {
    Q_OBJECT
private slots:
    void paintsInitialisingBeforeDriverStarts();
    void runsDroppedFilesAndShowsSummary();
    void boxes_data();
    void boxes();
    void jobDisplays_data();
    void jobDisplays();
    void cancelEndsBatchAtNextReport_data();
    void cancelEndsBatchAtNextReport();
};

void ProgressDialogTest::paintsInitialisingBeforeDriverStarts() {
    TestFolder folder;
    QWidget owner;
    owner.setGeometry(100, 100, 800, 600);
    owner.show();
    std::optional<DisplayState> atPrompt;
    int paintsAtPrompt = 0;
    PaintCounter counter;
    CWorkingProgressDlg dialog({folder.Write("a.txt", "plain")},
                               Answering(
                                   [&](const SeenPrompt& prompt) {
                                       QCOMPARE(prompt.parent, &dialog);
                                       atPrompt = StateOf(dialog);
                                       paintsAtPrompt = counter.paints;
                                   },
                                   std::nullopt),
                               &owner);
    dialog.installEventFilter(&counter);
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(atPrompt);
    QVERIFY(paintsAtPrompt > 0);
    QCOMPARE(atPrompt->status, QString("Initialising.."));
    QCOMPARE(atPrompt->fileName, QString());
    QVERIFY(!atPrompt->barShown);
    QVERIFY(!atPrompt->cancelEnabled); // as the English template makes it
    QCOMPARE(GetDlgItemAs<QProgressBar>(dialog, 1018)->maximum(), 1000);
    QVERIFY(qAbs(dialog.frameGeometry().center().x() - owner.frameGeometry().center().x()) <= 1);
    QVERIFY(!dialog.isVisible());
}

void ProgressDialogTest::runsDroppedFilesAndShowsSummary() {
    TestFolder folder;
    const std::string source = folder.Write("a.txt", "plain");
    QWidget owner;
    owner.show();
    BoxAnswerer boxes;
    std::optional<DisplayState> atSummary;
    boxes.answer = [&](QMessageBox& box) {
        atSummary = StateOf(*box.parentWidget());
        return QMessageBox::Ok;
    };
    std::optional<SeenPrompt> prompt;
    RunFileJobs(&owner, {QString::fromStdString(source)},
                Answering([&](const SeenPrompt& seen) { prompt = seen; }, "pw"));
    QVERIFY(prompt && prompt->parent != &owner);
    QVERIFY(prompt->confirm);
    QCOMPARE(prompt->text,
             QString("Enter a password to encrypt file \"%1\" with.").arg(source.c_str()));
    QVERIFY(QFile::exists(QString::fromStdString(source + ".qmx")));
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Information);
    QCOMPARE(boxes.seen[0].title, QString("Quiralis Reader"));
    QCOMPARE(boxes.seen[0].text, QString("File encrypted as \"%1.qmx\".").arg(source.c_str()));
    QCOMPARE(boxes.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(atSummary);
    QCOMPARE(atSummary->status, QString("Encrypting file.."));
    QCOMPARE(atSummary->fileName,
             PathCompactPathEx(QString::fromStdString(source + ".qmx"), kShownPathChars));
    QVERIFY(atSummary->cancelEnabled);
    QVERIFY(atSummary->barShown);
}

void ProgressDialogTest::boxes_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QMessageBox::StandardButton>("click");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<bool>("answer");
    const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
    const QMessageBox::StandardButtons retryCancel = QMessageBox::Retry | QMessageBox::Cancel;
    QTest::newRow("error") << 0 << QMessageBox::Ok << QMessageBox::Critical
                           << QMessageBox::StandardButtons(QMessageBox::Ok) << true;
    QTest::newRow("Yes") << 1 << QMessageBox::Yes << QMessageBox::NoIcon << yesNo << true;
    QTest::newRow("No") << 1 << QMessageBox::No << QMessageBox::NoIcon << yesNo << false;
    QTest::newRow("Retry") << 2 << QMessageBox::Retry << QMessageBox::NoIcon << retryCancel << true;
    QTest::newRow("Cancel") << 2 << QMessageBox::Cancel << QMessageBox::NoIcon << retryCancel
                            << false;
    QTest::newRow("information") << 3 << QMessageBox::Ok << QMessageBox::Information
                                 << QMessageBox::StandardButtons(QMessageBox::Ok) << true;
}

void ProgressDialogTest::boxes() {
    QFETCH(int, kind);
    QFETCH(QMessageBox::StandardButton, click);
    QFETCH(bool, answer);
    CWorkingProgressDlg dialog({}, {});
    CFileJobInteraction& host = dialog;
    BoxAnswerer boxes;
    boxes.answer = [&](QMessageBox&) { return click; };
    bool answered = true;
    switch (kind) {
    case 0:
        host.ShowError("Some text.");
        break;
    case 1:
        answered = host.AskYesNo("Some text.");
        break;
    case 2:
        answered = host.AskRetryCancel("Some text.");
        break;
    default:
        host.ShowInformation("Some text.");
    }
    QCOMPARE(answered, answer);
    QCOMPARE(boxes.seen.size(), 1);
    QTEST(boxes.seen[0].icon, "icon");
    QTEST(boxes.seen[0].buttons, "buttons");
    QCOMPARE(boxes.seen[0].title, QString("Quiralis Reader"));
    QCOMPARE(boxes.seen[0].text, QString("Some text."));
}

void ProgressDialogTest::jobDisplays_data() {
    QTest::addColumn<QList<QPoint>>("displays"); // mode, progress
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("cancelEnabled");
    QTest::addColumn<bool>("barShown");
    QTest::addColumn<int>("position");
    QTest::newRow("decryption at 0")
        << QList<QPoint>{{JOB_DECRYPT, 0}} << "Initialising.." << false << false << 0;
    QTest::newRow("decryption's first non-zero")
        << QList<QPoint>{{JOB_DECRYPT, 0}, {JOB_DECRYPT, 1}} << "Decrypting file.." << true << true
        << 1;
    QTest::newRow("encryption at 0")
        << QList<QPoint>{{JOB_ENCRYPT, 0}} << "Encrypting file.." << true << true << 0;
    QTest::newRow("the bar stays once shown") << QList<QPoint>{{JOB_ENCRYPT, 500}, {JOB_DECRYPT, 0}}
                                              << "Initialising.." << false << true << 0;
}

void ProgressDialogTest::jobDisplays() {
    QFETCH(QList<QPoint>, displays);
    CWorkingProgressDlg dialog({}, {});
    dialog.show(); // the driver's queued start never runs: no event is processed here
    const std::string path = "/home/user/" + std::string(80, 'f') + "/report.txt";
    for (const QPoint& display : displays) {
        dialog.SetJobDisplay(display.x(), display.y(), path);
    }
    const DisplayState state = StateOf(dialog);
    QTEST(state.status, "status");
    QTEST(state.cancelEnabled, "cancelEnabled");
    QTEST(state.barShown, "barShown");
    QTEST(state.position, "position");
    QCOMPARE(state.fileName, PathCompactPathEx(QString::fromStdString(path), kShownPathChars));
}

void ProgressDialogTest::cancelEndsBatchAtNextReport_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Escape key") << true;
}

// The first job fails; Cancel is pressed while its error box shows, so it is pending when the
// second job makes its first report.
void ProgressDialogTest::cancelEndsBatchAtNextReport() {
    QFETCH(bool, escape);
    TestFolder folder;
    const std::vector<std::string> paths{folder.Write("empty.txt", {}),
                                         folder.Write("b.txt", "plain"),
                                         folder.Write("c.txt", "plain")};
    CWorkingProgressDlg dialog(paths, Answering([](const SeenPrompt&) {}, "pw"));
    BoxAnswerer boxes;
    bool cancelEnabled = false;
    bool stayedOpen = false;
    boxes.answer = [&](QMessageBox&) {
        auto* cancel = GetDlgItemAs<QPushButton>(dialog, 2);
        cancelEnabled = cancel->isEnabled();
        if (escape) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            cancel->click();
        }
        stayedOpen = dialog.isVisible();
        return QMessageBox::Ok;
    };
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(cancelEnabled);
    QVERIFY(stayedOpen);
    QCOMPARE(boxes.seen.size(), 1); // the failure; no summary
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
    QCOMPARE(folder.Entries(), QStringList({"b.txt", "c.txt", "empty.txt"}));
}

QTEST_MAIN(ProgressDialogTest)
#include "progress_dialog_test.moc"
