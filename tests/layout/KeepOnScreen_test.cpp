#include "layout/KeepOnScreen.h"

#include <QObject>
#include <QTest>

namespace {

const QRect kPrimary(0, 0, 800, 600);
const QRect kRightScreen(800, 0, 1024, 768);

} // namespace

class KeepOnScreenTest : public QObject {
    Q_OBJECT
private slots:
    void keepsOnScreen_data();
    void keepsOnScreen();
};

void KeepOnScreenTest::keepsOnScreen_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QList<QRect>>("areas");
    QTest::addColumn<QRect>("expected");
    const QList<QRect> two{kPrimary, kRightScreen};
    QTest::newRow("inside the primary screen")
        << QRect(100, 80, 400, 300) << two << QRect(100, 80, 400, 300);
    QTest::newRow("inside the second screen")
        << QRect(1200, 300, 400, 300) << two << QRect(1200, 300, 400, 300);
    QTest::newRow("partly below the second screen")
        << QRect(1200, 600, 400, 300) << two << QRect(1200, 468, 400, 300);
    QTest::newRow("mostly on the second screen")
        << QRect(700, 100, 400, 300) << two << QRect(800, 100, 400, 300);
    QTest::newRow("on no screen goes to the primary one")
        << QRect(-3000, -2000, 400, 300) << two << QRect(0, 0, 400, 300);
    QTest::newRow("larger than its screen")
        << QRect(-50, 0, 1050, 900) << QList<QRect>{kPrimary} << kPrimary;
    QTest::newRow("no screens at all")
        << QRect(-3000, 0, 10, 10) << QList<QRect>{} << QRect(-3000, 0, 10, 10);
}

void KeepOnScreenTest::keepsOnScreen() {
    QFETCH(QRect, window);
    QFETCH(QList<QRect>, areas);
    QFETCH(QRect, expected);
    QCOMPARE(KeepOnScreen(window, areas), expected);
}

QTEST_APPLESS_MAIN(KeepOnScreenTest)
#include "KeepOnScreen_test.moc"
