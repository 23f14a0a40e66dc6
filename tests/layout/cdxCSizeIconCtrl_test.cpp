#include "layout/ProbeDialog.h"
#include "layout/TemporaryConfigHome.h"
#include "layout/cdxCSizeIconCtrl.h"

#include <QObject>
#include <QTest>

namespace {

const QSize kInitial(300, 200);

bool InBottomRightCorner(const QWidget& grip, const QWidget& dialog) {
    return grip.geometry().bottomRight() == dialog.rect().bottomRight();
}

} // namespace

class cdxCSizeIconCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void sitsInTheBottomRightCorner();
    void hiddenWhileMaximised_data();
    void hiddenWhileMaximised();
    void noGripWithoutTheFlag();
};

void cdxCSizeIconCtrlTest::sitsInTheBottomRightCorner() {
    ProbeDialog dialog(102, kInitial);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const cdxCSizeIconCtrl* grip = dialog.m_pSizeGrip;
    QVERIFY(grip);
    QCOMPARE(grip->parentWidget(), &dialog);
    QVERIFY(grip->isVisible());
    QVERIFY(!grip->size().isEmpty());
    QCOMPARE(grip->cursor().shape(), Qt::SizeFDiagCursor);
    QVERIFY(InBottomRightCorner(*grip, dialog));

    dialog.resize(kInitial + QSize(57, 31));
    QVERIFY(InBottomRightCorner(*grip, dialog));
}

void cdxCSizeIconCtrlTest::hiddenWhileMaximised_data() {
    QTest::addColumn<bool>("hideWhenZoomed");
    QTest::addColumn<bool>("hiddenByOwner");
    QTest::addColumn<bool>("visibleWhileMaximised");
    QTest::addColumn<bool>("visibleWhenRestored");
    QTest::newRow("hidden when zoomed") << true << false << false << true;
    QTest::newRow("kept when zoomed") << false << false << true << true;
    QTest::newRow("hidden by its owner") << true << true << false << false;
}

void cdxCSizeIconCtrlTest::hiddenWhileMaximised() {
    QFETCH(bool, hideWhenZoomed);
    QFETCH(bool, hiddenByOwner);
    QFETCH(bool, visibleWhileMaximised);
    QFETCH(bool, visibleWhenRestored);

    ProbeDialog dialog(102, kInitial);
    dialog.show();
    cdxCSizeIconCtrl* grip = dialog.m_pSizeGrip;
    QVERIFY(grip);
    grip->m_bHideWhenZoomed = hideWhenZoomed;
    grip->setVisible(!hiddenByOwner);

    dialog.showMaximized();
    QVERIFY(dialog.isMaximized());
    QCOMPARE(grip->isVisible(), visibleWhileMaximised);
    dialog.showNormal();
    QCOMPARE(grip->isVisible(), visibleWhenRestored);
    QVERIFY(InBottomRightCorner(*grip, dialog));
}

void cdxCSizeIconCtrlTest::noGripWithoutTheFlag() {
    ProbeDialog dialog(102, kInitial);
    dialog.m_nLayoutFlags &= ~cdxCDynamicWnd::LAYOUT_SIZE_GRIP;
    dialog.show();
    QVERIFY(!dialog.m_pSizeGrip);
    QVERIFY(!dialog.findChild<QSizeGrip*>());
}

QMX_LAYOUT_TEST_MAIN(cdxCSizeIconCtrlTest)
#include "cdxCSizeIconCtrl_test.moc"
