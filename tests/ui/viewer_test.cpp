#include "layout/DlgItem.h"
#include "layout/TemporaryConfigHome.h"
#include "resources/ControlIds.h"
#include "ui/CViewerDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cstdlib>
#include <memory>

namespace {

constexpr int IDC_TEXT = 1471;
const QString kClipboardText("already on the clipboard");
const QString kPrimaryText("already the primary selection");

enum class Action { SelectAllKey, CopyKeys, MouseDrag, DoubleClick, ContextMenu, Typing };
enum class Scroll { Wheel, PageDownKey, EndKey, ScrollBarClick };
enum class Ending { ClickOk, Enter, Escape };

QString LongText() {
    QString text;
    for (int line = 1; line <= 200; ++line) {
        text += QString("Line %1 of a message its sender wants read only here. {\\rtf1 \\b}\n")
                    .arg(line);
    }
    return text;
}

QPlainTextEdit* TextBox(const QWidget& viewer) {
    return GetDlgItemAs<QPlainTextEdit>(viewer, IDC_TEXT);
}

std::unique_ptr<CViewerDlg> ShownViewer(QWidget* owner = nullptr) {
    auto viewer = std::make_unique<CViewerDlg>(LongText(), owner);
    viewer->show();
    return viewer;
}

// Keys go where a user's keys go, and also straight to the text box, as if it had the focus.
QList<QWidget*> KeyTargets(const QWidget& viewer) {
    return {viewer.focusWidget(), TextBox(viewer), TextBox(viewer)->viewport()};
}

void PressKeys(const QWidget& viewer, const QList<QKeyCombination>& keys) {
    for (QWidget* target : KeyTargets(viewer)) {
        for (const QKeyCombination key : keys) {
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        }
    }
}

void ShowContextMenu(QWidget& target, QContextMenuEvent::Reason reason) {
    const QPoint point(20, 20);
    QContextMenuEvent event(reason, point, target.mapToGlobal(point));
    QApplication::sendEvent(&target, &event);
}

const QList<QKeyCombination> kCopyKeys{Qt::ControlModifier | Qt::Key_C,
                                       Qt::ControlModifier | Qt::Key_Insert};

void Perform(const QWidget& viewer, Action action) {
    QWidget* area = TextBox(viewer)->viewport();
    switch (action) {
    case Action::SelectAllKey:
        PressKeys(viewer, {Qt::ControlModifier | Qt::Key_A});
        break;
    case Action::CopyKeys:
        break;
    case Action::MouseDrag:
        QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseMove(area, QPoint(200, 120));
        QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, QPoint(200, 120));
        break;
    case Action::DoubleClick:
        QTest::mouseDClick(area, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
        break;
    case Action::ContextMenu:
        QTest::mouseClick(area, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
        ShowContextMenu(*area, QContextMenuEvent::Mouse);
        ShowContextMenu(*TextBox(viewer), QContextMenuEvent::Keyboard);
        break;
    case Action::Typing:
        PressKeys(viewer, {Qt::Key_X, Qt::Key_Backspace, Qt::Key_Delete});
        break;
    }
    PressKeys(viewer, kCopyKeys);
}

void ScrollBy(const QWidget& viewer, Scroll scroll) {
    QPlainTextEdit* box = TextBox(viewer);
    switch (scroll) {
    case Scroll::Wheel: {
        const QPointF point(30, 30);
        QWheelEvent wheel(point, box->viewport()->mapToGlobal(point), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box->viewport(), &wheel);
        break;
    }
    case Scroll::PageDownKey:
        QTest::keyClick(viewer.focusWidget(), Qt::Key_PageDown);
        break;
    case Scroll::EndKey:
        QTest::keyClick(viewer.focusWidget(), Qt::Key_End);
        break;
    case Scroll::ScrollBarClick: {
        QScrollBar* bar = box->verticalScrollBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          QPoint(bar->width() / 2, bar->height() - bar->width() - 4));
        break;
    }
    }
}

void End(QDialog& dialog, Ending ending) {
    switch (ending) {
    case Ending::ClickOk:
        QTest::mouseClick(GetDlgItemAs<QPushButton>(dialog, IDOK), Qt::LeftButton);
        break;
    case Ending::Enter:
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        break;
    case Ending::Escape:
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
        break;
    }
}

// To the pixel that Windows' rounding and QRect's differ by.
bool IsCentredOn(const QWidget& window, const QWidget& owner) {
    const QPoint offset = window.frameGeometry().center() - owner.frameGeometry().center();
    return std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1;
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Scroll)
Q_DECLARE_METATYPE(Ending)

class ViewerTest : public QObject {
    Q_OBJECT
private slots:
    void refusesSelectionAndCopying_data();
    void refusesSelectionAndCopying();
    void scrolls_data();
    void scrolls();
    void closes_data();
    void closes();
    void hasNoCloseBoxAndResizesWithItsText();
    void remembersItsSizeAndOpensCentredOnItsOwner();
};

void ViewerTest::refusesSelectionAndCopying_data() {
    QTest::addColumn<Action>("action");
    QTest::newRow("select-all key") << Action::SelectAllKey;
    QTest::newRow("copy keys") << Action::CopyKeys;
    QTest::newRow("mouse drag") << Action::MouseDrag;
    QTest::newRow("double click") << Action::DoubleClick;
    QTest::newRow("context menu") << Action::ContextMenu;
    QTest::newRow("typing") << Action::Typing;
}

void ViewerTest::refusesSelectionAndCopying() {
    QFETCH(Action, action);

    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(kClipboardText);
    if (clipboard->supportsSelection()) {
        clipboard->setText(kPrimaryText, QClipboard::Selection);
    }
    const auto viewer = ShownViewer();
    QPlainTextEdit* box = TextBox(*viewer);

    Perform(*viewer, action);

    QVERIFY(!box->textCursor().hasSelection());
    QCOMPARE(box->toPlainText(), LongText());
    QCOMPARE(clipboard->text(), kClipboardText);
    if (clipboard->supportsSelection()) {
        QCOMPARE(clipboard->text(QClipboard::Selection), kPrimaryText);
    }
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(viewer->focusWidget(), GetDlgItem(*viewer, IDOK));
}

void ViewerTest::scrolls_data() {
    QTest::addColumn<Scroll>("scroll");
    QTest::newRow("mouse wheel") << Scroll::Wheel;
    QTest::newRow("Page Down") << Scroll::PageDownKey;
    QTest::newRow("End") << Scroll::EndKey;
    QTest::newRow("click on the scroll bar") << Scroll::ScrollBarClick;
}

void ViewerTest::scrolls() {
    QFETCH(Scroll, scroll);

    const auto viewer = ShownViewer();
    QScrollBar* bar = TextBox(*viewer)->verticalScrollBar();
    QCOMPARE(bar->value(), 0);

    ScrollBy(*viewer, scroll);

    QVERIFY(bar->value() > 0);
}

void ViewerTest::closes_data() {
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << Ending::ClickOk << int{QDialog::Accepted};
    QTest::newRow("Enter") << Ending::Enter << int{QDialog::Accepted};
    QTest::newRow("Escape") << Ending::Escape << int{QDialog::Rejected};
}

void ViewerTest::closes() {
    QFETCH(Ending, ending);
    QFETCH(int, result);

    CViewerDlg viewer(LongText(), nullptr);
    QTimer::singleShot(0, &viewer, [&] { End(viewer, ending); });

    QCOMPARE(viewer.exec(), result);
    QVERIFY(TextBox(viewer)->document()->isEmpty());
}

void ViewerTest::hasNoCloseBoxAndResizesWithItsText() {
    const auto viewer = ShownViewer();
    const Qt::WindowFlags flags = viewer->windowFlags();

    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(TextBox(*viewer)->focusPolicy(), Qt::NoFocus);

    const QRect text = TextBox(*viewer)->geometry();
    const QRect ok = GetDlgItem(*viewer, IDOK)->geometry();
    const QSize growth(40, 30);
    viewer->resize(viewer->size() + growth);
    QCOMPARE(TextBox(*viewer)->geometry(), text.adjusted(0, 0, growth.width(), growth.height()));
    QCOMPARE(GetDlgItem(*viewer, IDOK)->geometry(), ok.translated(growth.width(), growth.height()));
}

void ViewerTest::remembersItsSizeAndOpensCentredOnItsOwner() {
    QWidget owner;
    owner.setGeometry(40, 30, 720, 540);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    QSize enlarged;
    {
        const auto first = ShownViewer(&owner);
        QVERIFY(QTest::qWaitForWindowExposed(first.get()));
        QVERIFY(IsCentredOn(*first, owner));
        enlarged = first->size() + QSize(40, 30);
        first->resize(enlarged);
    }
    const auto second = ShownViewer(&owner);
    QVERIFY(QTest::qWaitForWindowExposed(second.get()));

    QCOMPARE(second->PlacementSection(), QString("WindowPositions/ID=0x0000010e"));
    QCOMPARE(second->size(), enlarged);
    QVERIFY(IsCentredOn(*second, owner));
}

QMX_LAYOUT_TEST_MAIN(ViewerTest)
#include "viewer_test.moc"
