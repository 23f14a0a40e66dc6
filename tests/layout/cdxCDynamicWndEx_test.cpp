#include "layout/PlacementSettings.h"
#include "layout/ProbeDialog.h"
#include "layout/TemporaryConfigHome.h"

#include <QFileInfo>
#include <QObject>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>

namespace {

const QString kTitle = QStringLiteral("Quiralis Reader");
const QString kSection = QStringLiteral("WindowPositions/ID=0x00000066");
const QSize kInitial(310, 250);
// Centred on the 800×800 offscreen screen at (245, 275), then grown by 31×25 pixels with the
// odd pixel to the right and bottom.
const QRect kFirstStart(230, 263, 341, 275);
const QRect kSaved(100, 80, 400, 300);

using Values = std::map<QString, int>;

Values Placement(int left, int right, int top, int bottom, int state, int visibility = 0) {
    return {{"(valid)", 1},     {"Left", left},   {"Right", right},          {"Top", top},
            {"Bottom", bottom}, {"State", state}, {"Visibility", visibility}};
}

Values With(Values values, const QString& key, int value) {
    values[key] = value;
    return values;
}

void Store(const Values& values) {
    const auto settings = OpenPlacementSettings();
    settings->beginGroup(kSection);
    for (const auto& [key, value] : values) {
        settings->setValue(key, value);
    }
}

Values Stored() {
    const auto settings = OpenPlacementSettings();
    settings->beginGroup(kSection);
    Values values;
    for (const QString& key : settings->childKeys()) {
        values[key] = settings->value(key).toInt();
    }
    return values;
}

std::unique_ptr<ProbeDialog> OpenedDialog() {
    auto dialog = std::make_unique<ProbeDialog>(102, kInitial, ProbeDialog::Placement::Kept);
    dialog->show();
    return dialog;
}

QRect RestoredGeometry(const QWidget& window) {
    return window.isMaximized() ? window.normalGeometry() : window.geometry();
}

} // namespace

Q_DECLARE_METATYPE(Values)

class cdxCDynamicWndExTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void placementNames_data();
    void placementNames();
    void savesAndRestores_data();
    void savesAndRestores();
    void opensWithStoredPlacement_data();
    void opensWithStoredPlacement();
    void keepsNothingWithoutTitle();
};

void cdxCDynamicWndExTest::initTestCase() {
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
}

void cdxCDynamicWndExTest::init() {
    SetPlacementApplicationTitle(kTitle);
    OpenPlacementSettings()->clear();
}

void cdxCDynamicWndExTest::placementNames_data() {
    QTest::addColumn<unsigned int>("templateId");
    QTest::addColumn<QString>("section");
    QTest::newRow("main window") << 102u << "WindowPositions/ID=0x00000066";
    QTest::newRow("message viewer") << 270u << "WindowPositions/ID=0x0000010e";
    QTest::newRow("widest id") << 0xFFFFFFFFu << "WindowPositions/ID=0xffffffff";
}

void cdxCDynamicWndExTest::placementNames() {
    QFETCH(unsigned int, templateId);
    QFETCH(QString, section);
    const cdxCDynamicDialog dialog(templateId);
    QCOMPARE(dialog.PlacementSection(), section);
}

void cdxCDynamicWndExTest::savesAndRestores_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<Values>("expected");
    QTest::newRow("run modally") << "modal" << Placement(100, 500, 80, 380, -1);
    QTest::newRow("closed, then destroyed") << "closed" << Placement(100, 500, 80, 380, -1);
    QTest::newRow("destroyed while shown") << "shown" << Placement(100, 500, 80, 380, -1, 1);
    QTest::newRow("closed maximised") << "maximised" << Placement(100, 500, 80, 380, 1);
}

void cdxCDynamicWndExTest::savesAndRestores() {
    QFETCH(QString, end);
    QFETCH(Values, expected);

    auto dialog = std::make_unique<ProbeDialog>(102, kInitial, ProbeDialog::Placement::Kept);
    if (end == "modal") {
        QTimer::singleShot(0, dialog.get(), [&dialog] {
            dialog->setGeometry(kSaved);
            dialog->accept();
        });
        dialog->exec();
    } else {
        dialog->show();
        dialog->setGeometry(kSaved);
        if (end == "maximised") {
            dialog->showMaximized();
        }
        if (end != "shown") {
            dialog->close();
        }
    }
    dialog.reset();

    QCOMPARE(Stored(), expected);
    const QFileInfo file(OpenPlacementSettings()->fileName());
    QVERIFY(file.exists());
    QCOMPARE(file.absoluteFilePath(),
             qEnvironmentVariable("XDG_CONFIG_HOME") + "/Brellic/Quiralis Reader.conf");

    dialog = OpenedDialog();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->isMaximized(), end == "maximised");
    QCOMPARE(RestoredGeometry(*dialog), kSaved);
}

void cdxCDynamicWndExTest::opensWithStoredPlacement_data() {
    QTest::addColumn<Values>("stored");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<bool>("maximised");
    QTest::newRow("saved") << Placement(100, 500, 80, 380, -1) << kSaved << false;
    QTest::newRow("saved while visible") << Placement(100, 500, 80, 380, -1, 1) << kSaved << false;
    QTest::newRow("Left and Right swapped") << Placement(500, 100, 80, 380, -1) << kSaved << false;
    QTest::newRow("Top and Bottom swapped") << Placement(100, 500, 380, 80, -1) << kSaved << false;
    QTest::newRow("maximised") << Placement(100, 500, 80, 380, 1) << kSaved << true;
    QTest::newRow("minimised opens normal") << Placement(100, 500, 80, 380, 0) << kSaved << false;
    QTest::newRow("first start") << Values{} << kFirstStart << false;
    QTest::newRow("save that never completed")
        << With(Placement(100, 500, 80, 380, -1), "(valid)", 0) << kFirstStart << false;
    QTest::newRow("right of every screen")
        << Placement(5000, 5400, 80, 380, -1) << QRect(400, 80, 400, 300) << false;
    QTest::newRow("smaller than the initial size")
        << Placement(100, 200, 80, 100, -1) << QRect(QPoint(100, 80), kInitial) << false;
}

void cdxCDynamicWndExTest::opensWithStoredPlacement() {
    QFETCH(Values, stored);
    QFETCH(QRect, expected);
    QFETCH(bool, maximised);

    Store(stored);
    const auto dialog = OpenedDialog();
    // The show that opens the dialog decides, whatever "Visibility" says.
    QVERIFY(!dialog->visibleWhileAnchoring);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->isMaximized(), maximised);
    QCOMPARE(RestoredGeometry(*dialog), expected);
}

void cdxCDynamicWndExTest::keepsNothingWithoutTitle() {
    SetPlacementApplicationTitle(QString());
    auto dialog = OpenedDialog();
    QCOMPARE(dialog->geometry(), kFirstStart);
    QVERIFY(!dialog->SaveWindowPlacement(dialog->PlacementSection()));
    dialog.reset();

    SetPlacementApplicationTitle(kTitle);
    QCOMPARE(Stored(), Values{});
}

QMX_LAYOUT_TEST_MAIN(cdxCDynamicWndExTest)
#include "cdxCDynamicWndEx_test.moc"
