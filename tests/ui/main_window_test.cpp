#include "MainWindowHarness.h"
#include "container/Armour.h"
#include "container/SealMessage.h"
#include "layout/TemporaryConfigHome.h"
#include "resources/LoadText.h"
#include "ui/AppTitle.h"
#include "ui/CAboutDlg.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QUrl>

namespace {

enum class Entry { Typed, Pasted };

struct ButtonStates {
    bool encrypt;
    bool decrypt;
    bool copyAll;
    bool clear;
};

ButtonStates StatesOf(const QWidget& window) {
    return {Button(window, ids::kEncrypt)->isEnabled(), Button(window, ids::kDecrypt)->isEnabled(),
            Button(window, ids::kCopyAll)->isEnabled(), Button(window, ids::kClear)->isEnabled()};
}

void CompareStates(const ButtonStates& actual, const ButtonStates& expected) {
    QCOMPARE(actual.encrypt, expected.encrypt);
    QCOMPARE(actual.decrypt, expected.decrypt);
    QCOMPARE(actual.copyAll, expected.copyAll);
    QCOMPARE(actual.clear, expected.clear);
}

QString SealedMessage(const std::string& text) {
    std::string armour;
    const std::string password = "secret";
    const auto bytes =
        std::span(reinterpret_cast<const std::uint8_t*>(password.data()), password.size());
    if (SealMessage(text, bytes, false, "comment", armour) != RC_OK) {
        return {};
    }
    return QString::fromStdString(armour);
}

// Key by key, Enter for a line break.
void Type(QWidget* box, const QString& text) {
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            QTest::keyClick(box, Qt::Key_Return);
        }
        QTest::keyClicks(box, lines[i]);
    }
}

void PutOnClipboard(const QString& text) {
    QApplication::clipboard()->setText(text);
}

void SelectText(QPlainTextEdit& box, int anchor, int position) {
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

// The platform's context menu request: the right mouse button or the menu key.
void RequestContextMenu(QWidget& target, QContextMenuEvent::Reason reason) {
    const QPoint local = target.rect().center();
    QCursor::setPos(target.mapToGlobal(local));
    QContextMenuEvent event(reason, local, target.mapToGlobal(local));
    QApplication::sendEvent(&target, &event);
}

struct SeenMenu {
    QStringList items; // "-" for a separator
    bool allEnabled = true;
    QPoint position;
};

// Looks at the menu, then chooses the item with this text (none: closes the menu).
DialogAnswers::Answer ChooseFromMenu(SeenMenu& seen, const QString& choice) {
    return [&seen, choice](QWidget& popup) {
        auto* menu = qobject_cast<QMenu*>(&popup);
        QVERIFY(menu != nullptr);
        seen.position = menu->pos();
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            seen.items << (action->isSeparator() ? QStringLiteral("-") : action->text());
            seen.allEnabled = seen.allEnabled && action->isEnabled();
            if (!action->isSeparator() && action->text() == choice) {
                chosen = action;
            }
        }
        if (chosen != nullptr) {
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            menu->close();
        }
    };
}

QMimeData* UriList(const QList<QUrl>& urls) {
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

// A drag over the target and a drop on it, as the platform delivers them.
void DropOn(QWidget& target, const QMimeData& data) {
    const QPoint point = target.rect().center();
    QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(point), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&target, &drop);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QApplication::clipboard()->clear(); }

    void startsEmptyWithTheFocusInTheTextBox() {
        const auto window = ShownMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(TextBox(*window)->toPlainText().isEmpty());
        CompareStates(StatesOf(*window), {false, false, false, false});
        QVERIFY(Button(*window, ids::kPaste)->isEnabled());
        QVERIFY(Button(*window, IDOK)->isEnabled());
        QVERIFY(!Button(*window, ids::kTest)->isVisible());
        QCOMPARE(window->focusWidget(), TextBox(*window));
        QCOMPARE(TextBox(*window)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!window->windowIcon().isNull());
    }

    void buttonsFollowTheText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<bool>("hasText");
        QTest::addColumn<bool>("decrypt");
        const QString marker = QString::fromLatin1(kArmourBeginMarker);
        QTest::newRow("one character typed") << "a" << Entry::Typed << true << false;
        QTest::newRow("plain text pasted")
            << "Dear Ann,\nsee you." << Entry::Pasted << true << false;
        QTest::newRow("just the begin marker") << marker << Entry::Typed << true << false;
        QTest::newRow("begin marker and one more") << marker + "x" << Entry::Typed << true << true;
        QTest::newRow("armoured message pasted")
            << "Here it is:\r\n" + SealedMessage("hello") << Entry::Pasted << true << true;
        QTest::newRow("nothing on the clipboard") << "" << Entry::Pasted << false << false;
    }

    void buttonsFollowTheText() {
        QFETCH(QString, text);
        QFETCH(Entry, entry);
        QFETCH(bool, hasText);
        QFETCH(bool, decrypt);
        const auto window = ShownMainWindow();
        if (entry == Entry::Typed) {
            Type(TextBox(*window), text);
        } else {
            PutOnClipboard(text);
            Click(*window, ids::kPaste);
        }
        CompareStates(StatesOf(*window), {hasText, decrypt, hasText, hasText});

        Click(*window, ids::kClear);
        QVERIFY(TextBox(*window)->toPlainText().isEmpty());
        CompareStates(StatesOf(*window), {false, false, false, false});
        QCOMPARE(window->focusWidget(), TextBox(*window));
    }

    void decryptFollowsTheMarkerAsItIsEdited() {
        const auto window = ShownMainWindow();
        Type(TextBox(*window), QString::fromLatin1(kArmourBeginMarker) + "\n");
        QVERIFY(Button(*window, ids::kDecrypt)->isEnabled());
        QTest::keyClick(TextBox(*window), Qt::Key_Backspace);
        QVERIFY(!Button(*window, ids::kDecrypt)->isEnabled());
        QTest::keyClick(TextBox(*window), Qt::Key_Home);
        QTest::keyClick(TextBox(*window), Qt::Key_Delete);
        QTest::keyClick(TextBox(*window), Qt::Key_End);
        QTest::keyClicks(TextBox(*window), "y");
        QVERIFY(!Button(*window, ids::kDecrypt)->isEnabled());
        QVERIFY(Button(*window, ids::kEncrypt)->isEnabled());
    }

    void copyAll_data() {
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("copied");
        QTest::newRow("no selection: everything, caret stays") << 3 << 3 << "Hello world\nagain";
        QTest::newRow("a selection: only that") << 6 << 11 << "world";
        QTest::newRow("a backward selection") << 11 << 6 << "world";
        QTest::newRow("across the line break") << 6 << 14 << QString("world\nag");
    }

    void copyAll() {
        QFETCH(int, anchor);
        QFETCH(int, position);
        QFETCH(QString, copied);
        const auto window = ShownMainWindow();
        QPlainTextEdit* box = TextBox(*window);
        Type(box, "Hello world\nagain");
        SelectText(*box, anchor, position);
        Click(*window, ids::kCopyAll);
        QCOMPARE(QApplication::clipboard()->text(), copied);
        QCOMPARE(box->textCursor().anchor(), anchor);
        QCOMPARE(box->textCursor().position(), position);
        QCOMPARE(box->toPlainText(), QString("Hello world\nagain"));
    }

    void pasteTakesOnlyText_data() {
        QTest::addColumn<bool>("offerText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text at the caret") << true << "abPASTEDcd";
        QTest::newRow("an image only") << false << "abcd";
    }

    void pasteTakesOnlyText() {
        QFETCH(bool, offerText);
        QFETCH(QString, expected);
        const auto window = ShownMainWindow();
        QTest::keyClicks(TextBox(*window), "abcd");
        SelectText(*TextBox(*window), 2, 2);
        auto* data = new QMimeData;
        if (offerText) {
            data->setText("PASTED");
        } else {
            QImage image(4, 4, QImage::Format_RGB32);
            image.fill(Qt::red);
            data->setImageData(image);
        }
        QApplication::clipboard()->setMimeData(data);
        Button(*window, ids::kPaste)->setFocus();
        Click(*window, ids::kPaste);
        QCOMPARE(TextBox(*window)->toPlainText(), expected);
        if (offerText) {
            QCOMPARE(window->focusWidget(), TextBox(*window));
        }
    }

    void leavingAsks_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("stays");
        QTest::newRow("Esc, No") << true << QMessageBox::No << true;
        QTest::newRow("Esc, Yes") << true << QMessageBox::Yes << false;
        QTest::newRow("close box, No") << false << QMessageBox::No << true;
        QTest::newRow("close box, Yes") << false << QMessageBox::Yes << false;
    }

    void leavingAsks() {
        QFETCH(bool, byEscape);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, stays);
        const auto window = ShownMainWindow();
        QTest::keyClicks(TextBox(*window), "keep me");
        SeenBox seen;
        DialogAnswers answers;
        answers.Then(AnswerBox(seen, answer));
        if (byEscape) {
            QTest::keyClick(Button(*window, ids::kPaste), Qt::Key_Escape);
        } else {
            window->close();
        }
        QVERIFY(answers.AllAnswered());
        QCOMPARE(seen.text, QString::fromStdString(LoadText(116)));
        QCOMPARE(seen.caption, ApplicationTitle());
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(window->isVisible(), stays);
        QCOMPARE(TextBox(*window)->toPlainText(), QString("keep me"));
        if (!stays) {
            QCOMPARE(window->result(), int(QDialog::Rejected));
        }
    }

    void exitLeavesWithoutAsking() {
        const auto window = ShownMainWindow();
        DialogAnswers answers;
        Click(*window, IDOK);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QCOMPARE(answers.Unexpected(), 0);
    }

    void contextMenuOnlyOnTheTextBox_data() {
        QTest::addColumn<QContextMenuEvent::Reason>("reason");
        QTest::newRow("right mouse button") << QContextMenuEvent::Mouse;
        QTest::newRow("menu key") << QContextMenuEvent::Keyboard;
    }

    void contextMenuOnlyOnTheTextBox() {
        QFETCH(QContextMenuEvent::Reason, reason);
        const auto window = ShownMainWindow();
        SeenMenu seen;
        DialogAnswers answers;
        answers.Then(ChooseFromMenu(seen, QString()));
        RequestContextMenu(*Button(*window, ids::kEncrypt), reason);
        RequestContextMenu(*window, reason);
        QCOMPARE(answers.AllAnswered(), false);

        QWidget* target =
            reason == QContextMenuEvent::Mouse ? TextBox(*window)->viewport() : TextBox(*window);
        RequestContextMenu(*target, reason);
        QVERIFY(answers.AllAnswered());
        const QStringList expected{"Copy",       "Paste", "-",
                                   "Select All", "-",     QString::fromStdString(LoadText(101))};
        QCOMPARE(seen.items, expected);
        QVERIFY(seen.allEnabled);
        QCOMPARE(seen.position, target->mapToGlobal(target->rect().center()));
    }

    void contextMenuCommands_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("Copy without a selection") << "Copy"
                                                  << "one two"
                                                  << "one two"
                                                  << "";
        QTest::newRow("Paste") << "Paste"
                               << "before"
                               << "one twobefore"
                               << "";
        QTest::newRow("Select All") << "Select All"
                                    << "before"
                                    << "one two"
                                    << "one two";
    }

    void contextMenuCommands() {
        QFETCH(QString, item);
        QFETCH(QString, clipboard);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        PutOnClipboard("before");
        const auto window = ShownMainWindow();
        QTest::keyClicks(TextBox(*window), "one two");
        SeenMenu seen;
        DialogAnswers answers;
        answers.Then(ChooseFromMenu(seen, item));
        RequestContextMenu(*TextBox(*window)->viewport(), QContextMenuEvent::Mouse);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
        QCOMPARE(TextBox(*window)->toPlainText(), text);
        QCOMPARE(TextBox(*window)->textCursor().selectedText(), selected);
    }

    void aboutFromTheMenuAndF1_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("context menu") << false;
        QTest::newRow("F1") << true;
    }

    void aboutFromTheMenuAndF1() {
        QFETCH(bool, byKey);
        const auto window = ShownMainWindow();
        SeenMenu seen;
        bool aboutShown = false;
        DialogAnswers answers;
        if (!byKey) {
            answers.Then(ChooseFromMenu(seen, QString::fromStdString(LoadText(101))));
        }
        answers.Then([&aboutShown](QWidget& dialog) {
            aboutShown = qobject_cast<CAboutDlg*>(&dialog) != nullptr;
            dialog.close();
        });
        if (byKey) {
            QTest::keyClick(TextBox(*window), Qt::Key_F1);
        } else {
            RequestContextMenu(*TextBox(*window)->viewport(), QContextMenuEvent::Mouse);
        }
        QVERIFY(answers.AllAnswered());
        QVERIFY(aboutShown);
        QVERIFY(window->isVisible());
    }

    void resizesThroughTheSizeGrip() {
        const auto window = ShownMainWindow();
        const QSize initial = window->size();
        QVERIFY(window->maximumWidth() > initial.width());
        const QRect text = TextBox(*window)->geometry();
        const QRect exit = Button(*window, IDOK)->geometry();
        const QRect encrypt = Button(*window, ids::kEncrypt)->geometry();
        window->resize(initial + QSize(100, 60));
        QCOMPARE(TextBox(*window)->geometry(), text.adjusted(0, 0, 100, 60));
        QCOMPARE(Button(*window, IDOK)->geometry(), exit.translated(100, 60));
        QCOMPARE(Button(*window, ids::kEncrypt)->geometry(), encrypt.translated(50, 0));
        window->resize(100, 100);
        QCOMPARE(window->size(), window->minimumSize());
        QVERIFY(window->minimumWidth() > 100);
    }

    void dropsHandLocalFilesToTheFileJobs_data() {
        QTest::addColumn<QStringList>("locations"); // names in the folder, or URLs
        QTest::addColumn<bool>("onTextBox");
        QTest::addColumn<QStringList>("handedOver");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("two files on the text box")
            << QStringList{"b.txt", "a.txt.qmx"} << true << QStringList{"b.txt", "a.txt.qmx"}
            << QStringList{};
        QTest::newRow("a file on the logo")
            << QStringList{"a.txt"} << false << QStringList{"a.txt"} << QStringList{};
        QTest::newRow("a remote location only")
            << QStringList{"https://example.org/x.qmx"} << true << QStringList{}
            << QStringList{"https://example.org/x.qmx"};
        QTest::newRow("a remote location among files")
            << QStringList{"a.txt", "sftp://host/b.txt", "b.txt"} << false
            << QStringList{"a.txt", "b.txt"} << QStringList{"sftp://host/b.txt"};
    }

    void dropsHandLocalFilesToTheFileJobs() {
        QFETCH(QStringList, locations);
        QFETCH(bool, onTextBox);
        QFETCH(QStringList, handedOver);
        QFETCH(QStringList, refused);
        QTemporaryDir folder;
        QList<QUrl> urls;
        for (const QString& location : locations) {
            if (location.contains(u':')) {
                urls << QUrl(location);
                continue;
            }
            QFile file(folder.filePath(location));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("content");
            urls << QUrl::fromLocalFile(file.fileName());
        }
        const auto window = ShownMainWindow();
        QStringList received;
        int runs = 0;
        window->SetFileJobRunner(
            [&](QWidget* owner, const QStringList& paths, const PasswordPrompt& prompt) {
                QCOMPARE(owner, window.get());
                QVERIFY(bool(prompt));
                received = paths;
                ++runs;
            });
        SeenBox seen;
        DialogAnswers answers;
        if (!refused.isEmpty()) {
            answers.Then(AnswerBox(seen, QMessageBox::Ok));
        }
        const std::unique_ptr<QMimeData> data(UriList(urls));
        QWidget* target = onTextBox ? TextBox(*window)->viewport() : GetDlgItem(*window, 1011);
        DropOn(*target, *data);
        QCOMPARE(TextBox(*window)->toPlainText(), QString()); // not dropped as text
        QTRY_VERIFY(answers.AllAnswered() && runs == (handedOver.isEmpty() ? 0 : 1));
        QStringList expected;
        for (const QString& name : handedOver) {
            expected << folder.filePath(name);
        }
        QCOMPARE(received, expected);
        for (const QString& location : refused) {
            QVERIFY2(seen.text.contains(location), qPrintable(seen.text));
        }
        if (!refused.isEmpty()) {
            QCOMPARE(seen.caption, ApplicationTitle());
            QVERIFY(seen.text.startsWith(QString::fromStdString(LoadText(145))));
        }
    }

    void droppedFileIsEncryptedByTheFileJobs() {
        QTemporaryDir folder;
        QFile file(folder.filePath("report.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("quarterly figures");
        file.close();
        const auto window = ShownMainWindow();
        SeenBox summary;
        DialogAnswers answers;
        answers.Then(TypePassword("file password")).Then(AnswerBox(summary, QMessageBox::Ok));
        const std::unique_ptr<QMimeData> data(UriList({QUrl::fromLocalFile(file.fileName())}));
        DropOn(*TextBox(*window)->viewport(), *data);
        QTRY_VERIFY(answers.AllAnswered());
        QVERIFY(QFile::exists(file.fileName() + ".qmx"));
        QCOMPARE(summary.caption, ApplicationTitle());
        QVERIFY2(summary.text.contains(file.fileName() + ".qmx"), qPrintable(summary.text));
        QCOMPARE(answers.Unexpected(), 0);
        QVERIFY(window->isVisible());
    }

    void textDroppedOnTheTextBoxStaysText() {
        const auto window = ShownMainWindow();
        int runs = 0;
        window->SetFileJobRunner(
            [&](QWidget*, const QStringList&, const PasswordPrompt&) { ++runs; });
        QMimeData data;
        data.setText("dragged words");
        DropOn(*TextBox(*window)->viewport(), data);
        QCoreApplication::processEvents();
        QCOMPARE(TextBox(*window)->toPlainText(), QString("dragged words"));
        QCOMPARE(runs, 0);
    }
};

QMX_LAYOUT_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
