#include "layout/TemporaryConfigHome.h"
#include "layout/cdxCDynamicWnd.h"

#include <QObject>
#include <QTest>
#include <QWidget>

namespace {

using Layout = cdxCDynamicWnd;

const QSize kInitial(200, 100);
const QRect kOriginal(10, 20, 40, 30); // edges: left 10, right 50, top 20, bottom 50

} // namespace

class cdxCDynamicWndTest : public QObject {
    Q_OBJECT
private slots:
    void computeControlRect_data();
    void computeControlRect();
    void registration();
    void applyNow_data();
    void applyNow();
};

void cdxCDynamicWndTest::computeControlRect_data() {
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("delta");
    QTest::addColumn<QRect>("expected");

    const QSize none(0, 0);
    QTest::newRow("fixed") << +Layout::AnchorFixed << +Layout::AnchorFixed << none << QSize(60, 40)
                           << kOriginal;
    QTest::newRow("stretch horizontally") << +Layout::AnchorStretch << +Layout::AnchorFixed << none
                                          << QSize(60, 40) << QRect(10, 20, 100, 30);
    QTest::newRow("move horizontally") << +Layout::AnchorMove << +Layout::AnchorFixed << none
                                       << QSize(60, 40) << QRect(70, 20, 40, 30);
    QTest::newRow("half horizontally") << +Layout::AnchorHalf << +Layout::AnchorFixed << none
                                       << QSize(60, 40) << QRect(40, 20, 40, 30);
    QTest::newRow("half of 1 pixel moves nothing")
        << +Layout::AnchorHalf << +Layout::AnchorFixed << none << QSize(1, 0) << kOriginal;
    QTest::newRow("half of 3 pixels moves 1") << +Layout::AnchorHalf << +Layout::AnchorFixed << none
                                              << QSize(3, 0) << QRect(11, 20, 40, 30);
    QTest::newRow("stretch vertically") << +Layout::AnchorFixed << +Layout::AnchorStretch << none
                                        << QSize(60, 40) << QRect(10, 20, 40, 70);
    QTest::newRow("move vertically") << +Layout::AnchorFixed << +Layout::AnchorMove << none
                                     << QSize(60, 40) << QRect(10, 60, 40, 30);
    QTest::newRow("half vertically, 3 pixels") << +Layout::AnchorFixed << +Layout::AnchorHalf
                                               << none << QSize(0, 3) << QRect(10, 21, 40, 30);
    QTest::newRow("half of -3 truncates toward zero")
        << +Layout::AnchorFixed << +Layout::AnchorHalf << none << QSize(0, -3)
        << QRect(10, 19, 40, 30);
    QTest::newRow("move while shrinking") << +Layout::AnchorMove << +Layout::AnchorMove << none
                                          << QSize(-7, -5) << QRect(3, 15, 40, 30);
    QTest::newRow("stretch while shrinking") << +Layout::AnchorStretch << +Layout::AnchorStretch
                                             << none << QSize(-15, -10) << QRect(10, 20, 25, 20);
    QTest::newRow("unknown modes stay fixed") << 4 << -1 << none << QSize(60, 40) << kOriginal;
    QTest::newRow("squeezed below the minimum width")
        << +Layout::AnchorStretch << +Layout::AnchorFixed << QSize(5, 0) << QSize(-36, 0)
        << QRect(-15, 20, 5, 30);
    QTest::newRow("squeezed to the minimum width")
        << +Layout::AnchorStretch << +Layout::AnchorFixed << QSize(4, 0) << QSize(-36, 0)
        << QRect(-14, 20, 4, 30);
    QTest::newRow("one pixel above the minimum width")
        << +Layout::AnchorStretch << +Layout::AnchorFixed << QSize(4, 0) << QSize(-35, 0)
        << QRect(10, 20, 5, 30);
    QTest::newRow("squeezed to no height") << +Layout::AnchorFixed << +Layout::AnchorStretch << none
                                           << QSize(0, -30) << QRect(10, -10, 40, 0);
    QTest::newRow("squeezed below the minimum height")
        << +Layout::AnchorFixed << +Layout::AnchorStretch << QSize(0, 8) << QSize(0, -25)
        << QRect(10, -18, 40, 8);
}

void cdxCDynamicWndTest::computeControlRect() {
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    QFETCH(QSize, minimum);
    QFETCH(QSize, delta);
    QFETCH(QRect, expected);

    QWidget window;
    window.resize(kInitial);
    auto* control = new QWidget(&window);
    control->setGeometry(kOriginal);
    cdxCDynamicWnd layout;
    layout.InitLayout(&window, kInitial);
    QVERIFY(layout.AnchorControl(control, horizontal, vertical, minimum, false));

    const cdxCDynamicLayoutInfo info(kInitial + delta, kInitial, layout.ControlCount());
    QCOMPARE(info.szDelta, delta);
    const auto rect = layout.ComputeControlRect(control, info);
    QVERIFY(rect.has_value());
    QCOMPARE(*rect, expected);
}

void cdxCDynamicWndTest::registration() {
    QWidget window;
    window.resize(kInitial);
    auto* control = new QWidget(&window);
    control->setGeometry(kOriginal);
    cdxCDynamicWnd layout;
    QVERIFY(!layout.AnchorControl(control, Layout::AnchorMove, Layout::AnchorMove));

    layout.InitLayout(&window, kInitial);
    const int withGripOnly = layout.ControlCount();
    QVERIFY(!layout.AnchorControl(nullptr, Layout::AnchorMove, Layout::AnchorMove));
    QVERIFY(layout.AnchorControl(control, Layout::AnchorMove, Layout::AnchorMove));
    QVERIFY(layout.AnchorControl(control, Layout::AnchorStretch, Layout::AnchorFixed));
    QCOMPARE(layout.ControlCount(), withGripOnly + 1);

    const cdxCDynamicLayoutInfo grown(kInitial + QSize(60, 40), kInitial, layout.ControlCount());
    QCOMPARE(layout.ComputeControlRect(control, grown), QRect(10, 20, 100, 30));

    QVERIFY(layout.RemoveControl(control));
    QVERIFY(!layout.RemoveControl(control));
    QCOMPARE(layout.ControlCount(), withGripOnly);
    QVERIFY(!layout.ComputeControlRect(control, grown).has_value());
}

void cdxCDynamicWndTest::applyNow_data() {
    QTest::addColumn<bool>("applyNow");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("applied at once") << true << QRect(70, 60, 40, 30);
    QTest::newRow("left for the next pass") << false << kOriginal;
}

// A control registered after the window has grown is placed as if it had been there from the
// start: its rectangle counts as the one it has at the initial size.
void cdxCDynamicWndTest::applyNow() {
    QFETCH(bool, applyNow);
    QFETCH(QRect, expected);

    QWidget window;
    window.resize(kInitial);
    auto* control = new QWidget(&window);
    control->setGeometry(kOriginal);
    cdxCDynamicWnd layout;
    layout.InitLayout(&window, kInitial);
    window.resize(kInitial + QSize(60, 40));

    QVERIFY(layout.AnchorControl(control, Layout::AnchorMove, Layout::AnchorMove, QSize(0, 0),
                                 applyNow));
    QCOMPARE(control->geometry(), expected);
}

QMX_LAYOUT_TEST_MAIN(cdxCDynamicWndTest)
#include "cdxCDynamicWnd_test.moc"
