#include "layout/DlgItem.h"
#include "ui/CORVLabel.h"
#include "ui/LinkOpener.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWindow>

namespace {

constexpr int kLabelId = 1010;

// A dialog as the builder makes one: a button, a plain static that lets
// clicks through, a second button.
struct ProbeDialog {
    ProbeDialog() {
        dialog.resize(300, 120);
        first = new QPushButton("first", &dialog);
        first->setGeometry(10, 10, 80, 24);
        auto* label = new QLabel("Visit the site", &dialog);
        label->setGeometry(10, 50, 200, 16);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setWordWrap(true);
        label->setFocusPolicy(Qt::NoFocus);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        SetDlgItemId(*label, kLabelId);
        // Overlaps the label, and lies above it in the stacking order.
        cover = new QPushButton("cover", &dialog);
        cover->setGeometry(190, 45, 60, 24);
        last = new QPushButton("last", &dialog);
        last->setGeometry(10, 80, 80, 24);
    }

    QDialog dialog;
    QPushButton* first;
    QPushButton* cover;
    QPushButton* last;
};

} // namespace

class CORVLabelTest : public QObject {
    Q_OBJECT
private slots:
    void takesThePlaceOfTheStatic();
    void clicksReachItOnlyOnceItIsALink();
};

void CORVLabelTest::takesThePlaceOfTheStatic() {
    ProbeDialog probe;
    CORVLabel* label = CORVLabel::SubclassDlgItem(probe.dialog, kLabelId);
    QVERIFY(label != nullptr);
    QCOMPARE(GetDlgItem(probe.dialog, kLabelId), label);
    QCOMPARE(probe.dialog.findChildren<QLabel*>().size(), 1);
    QCOMPARE(label->text(), QStringLiteral("Visit the site"));
    QCOMPARE(label->geometry(), QRect(10, 50, 200, 16));
    QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignTop);
    QVERIFY(label->wordWrap());
    QVERIFY(!label->TakesMouseInput());
    QCOMPARE(CORVLabel::SubclassDlgItem(probe.dialog, 1234), nullptr);

    probe.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe.dialog));
    QVERIFY(label->isVisible());
    QVERIFY(probe.dialog.children().indexOf(label) < probe.dialog.children().indexOf(probe.cover));
    // Given focus, it is reached where the static stood in the tab order.
    label->setFocusPolicy(Qt::TabFocus);
    QCOMPARE(probe.first->nextInFocusChain(), label);
    QCOMPARE(label->nextInFocusChain(), probe.cover);
}

void CORVLabelTest::clicksReachItOnlyOnceItIsALink() {
    QStringList opened;
    ReplaceLinkOpener([&opened](const QString& target) { opened.append(target); });
    ProbeDialog probe;
    CORVLabel* label = CORVLabel::SubclassDlgItem(probe.dialog, kLabelId);
    label->SetLinkTarget(QStringLiteral("https://example.org/a b"));
    probe.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe.dialog));

    QTest::mouseClick(probe.dialog.windowHandle(), Qt::LeftButton, {}, QPoint(20, 55));
    QVERIFY(opened.isEmpty());
    label->EnableLink();
    QTest::mouseClick(probe.dialog.windowHandle(), Qt::LeftButton, {}, QPoint(20, 55));
    QCOMPARE(opened, QStringList{QStringLiteral("https://example.org/a b")});
    ReplaceLinkOpener({});
}

QTEST_MAIN(CORVLabelTest)
#include "CORVLabel_test.moc"
