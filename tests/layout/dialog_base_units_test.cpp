// Dialog units to pixels: MulDiv's rounding, the base units from the letter
// width and font height with Windows' integer arithmetic, the mapping of
// template rectangles, and the measurement and pixel size of the dialog font.

#include "resources/DialogTemplate.h"
#include "layout/DialogBaseUnits.h"
#include "layout/TemplateFont.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cmath>

class DialogBaseUnitsTest : public QObject {
    Q_OBJECT

private slots:
    void mulDivRoundsHalfAwayFromZero_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("expected");
        QTest::newRow("exact") << 8 << 6 << 4 << 12;
        QTest::newRow("below half") << 5 << 13 << 8 << 8;     // 8.125
        QTest::newRow("half rounds up") << 3 << 12 << 8 << 5; // 4.5
        QTest::newRow("above half") << 22 << 13 << 8 << 36;   // 35.75
        QTest::newRow("negative half") << -3 << 12 << 8 << -5;
        QTest::newRow("negative divisor") << 3 << 12 << -8 << -5;
        QTest::newRow("8 pt at 96 dpi") << 8 << 96 << 72 << 11; // 10.67
        QTest::newRow("no 32-bit overflow") << 100000 << 100000 << 100000 << 100000;
        QTest::newRow("zero divisor") << 7 << 3 << 0 << -1;
    }
    void mulDivRoundsHalfAwayFromZero() {
        QFETCH(int, number);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, expected);
        QCOMPARE(MulDiv(number, numerator, denominator), expected);
    }

    void baseUnitsTruncateLikeWindows_data() {
        QTest::addColumn<int>("alphabetWidth");
        QTest::addColumn<int>("fontHeight");
        QTest::addColumn<int>("baseX");
        QTest::newRow("Tahoma 8 pt") << 286 << 13 << 6; // 286/26 = 11
        QTest::newRow("just below 13 per letter") << 337 << 15 << 6;
        QTest::newRow("13 per letter rounds up") << 338 << 15 << 7;
        QTest::newRow("Segoe UI 9 pt") << 364 << 15 << 7;
    }
    void baseUnitsTruncateLikeWindows() {
        QFETCH(int, alphabetWidth);
        QFETCH(int, fontHeight);
        QFETCH(int, baseX);
        QCOMPARE(BaseUnitsFromAlphabet(alphabetWidth, fontHeight),
                 (DialogBaseUnits{baseX, fontHeight}));
    }

    // Each coordinate is scaled on its own, so a width is not the difference
    // of two scaled edges.
    void rectanglesMapEachCoordinateOnItsOwn_data() {
        QTest::addColumn<int>("baseX");
        QTest::addColumn<int>("baseY");
        QTest::addColumn<QRect>("dialogUnits");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("logo at 6x13") << 6 << 13 << QRect(7, 8, 166, 22) << QRect(11, 13, 249, 36);
        QTest::newRow("button at 6x13")
            << 6 << 13 << QRect(253, 5, 50, 14) << QRect(380, 8, 75, 23);
        QTest::newRow("label at 7x15") << 7 << 15 << QRect(7, 60, 63, 8) << QRect(12, 113, 110, 15);
        QTest::newRow("origin") << 6 << 13 << QRect(0, 0, 337, 220) << QRect(0, 0, 506, 358);
    }
    void rectanglesMapEachCoordinateOnItsOwn() {
        QFETCH(int, baseX);
        QFETCH(int, baseY);
        QFETCH(QRect, dialogUnits);
        QFETCH(QRect, pixels);
        const DialogRect rect{dialogUnits.x(), dialogUnits.y(), dialogUnits.width(),
                              dialogUnits.height()};
        QCOMPARE(MapDialogRect(rect, {baseX, baseY}), pixels);
        QCOMPARE(MapDialogSize(rect, {baseX, baseY}), pixels.size());
    }

    void measuredBaseUnitsComeFromTheFontsMetrics() {
        const QFont font = ResolveTemplateFont(kShellDlgFont, 9);
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        QCOMPARE(MeasureDialogBaseUnits(font), BaseUnitsFromAlphabet(width, metrics.height()));
    }

    void shellFontIsEightPointsInWholePixels() {
        const int dpi =
            static_cast<int>(std::lround(QGuiApplication::primaryScreen()->logicalDotsPerInchY()));
        for (const int langId : {9, 1031, 1041}) {
            QCOMPARE(
                ResolveTemplateFont(kShellDlgFont, static_cast<std::uint16_t>(langId)).pixelSize(),
                MulDiv(8, dpi, 72));
        }
    }
};

QTEST_MAIN(DialogBaseUnitsTest)
#include "dialog_base_units_test.moc"
