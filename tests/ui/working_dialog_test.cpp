#include "layout/DlgItem.h"
#include "layout/TemporaryConfigHome.h"
#include "resources/LoadText.h"
#include "ui/CWorkingDlg.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTest>
#include <cstdlib>

namespace {

constexpr int IDC_TEXT = 1003;
constexpr std::uint32_t kDecryptingMessage = 119;

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class WorkingDialogTest : public QObject {
    Q_OBJECT
private slots:
    void standsOnTopWithItsTextPainted();
};

void WorkingDialogTest::standsOnTopWithItsTextPainted() {
    QWidget owner;
    owner.setGeometry(40, 30, 720, 540);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const QString text = QString::fromStdString(LoadText(kDecryptingMessage));
    CWorkingDlg working(&owner);
    auto* label = GetDlgItemAs<QLabel>(working, IDC_TEXT);
    PaintCounter counter;
    label->installEventFilter(&counter);

    working.ShowWorking(text);

    QVERIFY(counter.paints > 0); // before any event loop has run
    QVERIFY(working.isVisible());
    QVERIFY(!working.isModal());
    QCOMPARE(label->text(), text);
    const Qt::WindowFlags flags = working.windowFlags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!flags.testFlag(Qt::WindowTitleHint));
    const QPoint offset = working.frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1);

    working.close();
    QVERIFY(!working.isVisible());
}

QMX_LAYOUT_TEST_MAIN(WorkingDialogTest)
#include "working_dialog_test.moc"
