#include "layout/ProbeDialog.h"
#include "layout/TemporaryConfigHome.h"

#include <QList>
#include <QObject>
#include <QTest>
#include <QWindow>
#include <memory>

namespace {

using Layout = cdxCDynamicWnd;

const QSize kInitial(300, 200);

// The main window's kinds of anchoring: text box, a button of the top row, Exit, hint.
const QList<QRect> kOriginals{QRect(10, 40, 280, 120), QRect(120, 10, 60, 24),
                              QRect(230, 170, 60, 24), QRect(10, 165, 200, 20)};

std::unique_ptr<ProbeDialog> ShownDialog(QList<QPushButton*>* controls = nullptr) {
    auto dialog = std::make_unique<ProbeDialog>(102, kInitial);
    const int anchors[][2] = {{Layout::AnchorStretch, Layout::AnchorStretch},
                              {Layout::AnchorHalf, Layout::AnchorFixed},
                              {Layout::AnchorMove, Layout::AnchorMove},
                              {Layout::AnchorStretch, Layout::AnchorMove}};
    for (qsizetype i = 0; i < kOriginals.size(); ++i) {
        QPushButton* control = dialog->AddControl(kOriginals[i], anchors[i][0], anchors[i][1]);
        if (controls) {
            controls->append(control);
        }
    }
    dialog->show();
    return dialog;
}

QList<QRect> GeometriesOf(const QList<QPushButton*>& controls) {
    QList<QRect> geometries;
    for (const QPushButton* control : controls) {
        geometries.append(control->geometry());
    }
    return geometries;
}

} // namespace

class cdxCDynamicDialogTest : public QObject {
    Q_OBJECT
private slots:
    void relayoutOnResize_data();
    void relayoutOnResize();
    void neverSmallerThanInitially();
    void trackSizes_data();
    void trackSizes();
    void forgetsControlsThatLeave_data();
    void forgetsControlsThatLeave();
};

void cdxCDynamicDialogTest::relayoutOnResize_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QRect>>("expected");
    QTest::newRow("grown") << QSize(363, 243)
                           << QList<QRect>{QRect(10, 40, 343, 163), QRect(151, 10, 60, 24),
                                           QRect(293, 213, 60, 24), QRect(10, 208, 263, 20)};
    QTest::newRow("grown by one pixel")
        << QSize(301, 201)
        << QList<QRect>{QRect(10, 40, 281, 121), QRect(120, 10, 60, 24), QRect(231, 171, 60, 24),
                        QRect(10, 166, 201, 20)};
    QTest::newRow("back to the initial size") << kInitial << kOriginals;
}

void cdxCDynamicDialogTest::relayoutOnResize() {
    QFETCH(QSize, size);
    QFETCH(QList<QRect>, expected);

    QList<QPushButton*> controls;
    const auto dialog = ShownDialog(&controls);
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->resize(kInitial + QSize(97, 71));
    dialog->resize(size);
    QCOMPARE(dialog->size(), size);
    QCOMPARE(GeometriesOf(controls), expected);
}

void cdxCDynamicDialogTest::neverSmallerThanInitially() {
    const auto dialog = ShownDialog();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->resize(kInitial - QSize(50, 50));
    QCOMPARE(dialog->size(), kInitial);
    dialog->resize(kInitial.width() + 40, kInitial.height() - 30);
    QCOMPARE(dialog->size(), QSize(kInitial.width() + 40, kInitial.height()));
    // What stops a drag by the user.
    QCOMPARE(dialog->windowHandle()->minimumSize(), kInitial);
}

void cdxCDynamicDialogTest::trackSizes_data() {
    QTest::addColumn<unsigned int>("directions");
    QTest::addColumn<QSize>("maximum");
    QTest::addColumn<QSize>("expected");
    constexpr int unlimited = QWIDGETSIZE_MAX;
    QTest::newRow("free") << 3u << QSize(0, 0) << QSize(unlimited, unlimited);
    QTest::newRow("width limited") << 3u << QSize(500, 0) << QSize(500, unlimited);
    QTest::newRow("height limited") << 3u << QSize(0, 260) << QSize(unlimited, 260);
    QTest::newRow("no horizontal resizing") << 2u << QSize(500, 0) << QSize(300, unlimited);
    QTest::newRow("no vertical resizing") << 1u << QSize(0, 0) << QSize(unlimited, 200);
    QTest::newRow("maximum below the minimum") << 3u << QSize(100, 100) << kInitial;
}

void cdxCDynamicDialogTest::trackSizes() {
    QFETCH(unsigned int, directions);
    QFETCH(QSize, maximum);
    QFETCH(QSize, expected);

    ProbeDialog dialog(102, kInitial);
    dialog.m_nResizeDirections = directions;
    dialog.m_szMaximum = maximum;
    dialog.show();
    QCOMPARE(dialog.minimumSize(), kInitial);
    QCOMPARE(dialog.maximumSize(), expected);
    dialog.resize(700, 500);
    QCOMPARE(dialog.size(), QSize(700, 500).boundedTo(expected));
}

void cdxCDynamicDialogTest::forgetsControlsThatLeave_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("removed") << "removed";
    QTest::newRow("destroyed") << "destroyed";
    QTest::newRow("moved to another parent") << "reparented";
}

void cdxCDynamicDialogTest::forgetsControlsThatLeave() {
    QFETCH(QString, how);

    QList<QPushButton*> controls;
    const auto dialog = ShownDialog(&controls);
    const int registered = dialog->ControlCount();
    QWidget elsewhere;
    QPointer<QPushButton> exit = controls[2];
    if (how == "removed") {
        QVERIFY(dialog->RemoveControl(exit));
    } else if (how == "destroyed") {
        delete exit;
    } else {
        exit->setParent(&elsewhere);
    }

    QCOMPARE(dialog->ControlCount(), registered - 1);
    dialog->resize(kInitial + QSize(50, 50));
    QCOMPARE(controls[0]->geometry(), QRect(10, 40, 330, 170));
    if (exit) {
        QCOMPARE(exit->geometry(), kOriginals[2]);
    }
}

QMX_LAYOUT_TEST_MAIN(cdxCDynamicDialogTest)
#include "cdxCDynamicDialog_test.moc"
