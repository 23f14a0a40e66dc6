#include "layout/DialogBaseUnits.h"
#include "layout/DlgItem.h"
#include "resources/ActiveLanguage.h"
#include "resources/ControlIds.h"
#include "resources/FindTemplate.h"
#include "resources/LicenceText.h"
#include "resources/LoadText.h"
#include "ui/CAboutDlg.h"
#include "ui/CLicenceAgreementDlg.h"
#include "ui/CORVLabel.h"
#include "ui/LicenceDisplayText.h"
#include "ui/LinkOpener.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <cstdint>

namespace {

constexpr std::uint16_t kEnglish = 9;
constexpr std::uint16_t kGerman = 1031;
constexpr int kWebLinkId = 1010;
constexpr int kLicenceLinkId = 1014;

QString Text(std::uint32_t id, std::uint16_t langId = kEnglish) {
    return QString::fromStdString(LoadText(id, langId));
}

QString TemplateText(std::uint16_t templateId, int controlId, std::uint16_t langId) {
    const DialogControl* control = FindControl(*FindDialogTemplate(templateId, langId), controlId);
    return QString::fromUtf8(control->text.data(), static_cast<qsizetype>(control->text.size()));
}

QString Caption(std::uint16_t templateId, std::uint16_t langId) {
    const std::string_view caption = FindDialogTemplate(templateId, langId)->caption;
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

// A control's rectangle as the template lays it out, in the dialog's pixels.
QRect TemplateRect(const QDialog& dialog, int controlId) {
    const DialogControl* control =
        FindControl(*FindDialogTemplate(100, ActiveLanguage()), controlId);
    return MapDialogRect(control->rect, MeasureDialogBaseUnits(dialog.font()));
}

// Records every target a link hands to the desktop instead of opening it.
class OpenedTargets {
public:
    OpenedTargets() {
        ReplaceLinkOpener([this](const QString& target) { targets.append(target); });
    }
    ~OpenedTargets() { ReplaceLinkOpener({}); }
    OpenedTargets(const OpenedTargets&) = delete;
    OpenedTargets& operator=(const OpenedTargets&) = delete;

    QStringList targets;
};

// Stands in for the browser: takes the https addresses the desktop hands out.
class Browser : public QObject {
    Q_OBJECT
public:
    Browser() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
    ~Browser() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

// A user who reads each licence dialog that comes up and clicks its OK.
class LicenceReader : public QObject {
public:
    LicenceReader() {
        connect(&m_poll, &QTimer::timeout, this, &LicenceReader::Answer);
        m_poll.start(0);
    }

    int opened = 0;
    QWidget* parent = nullptr;

private:
    void Answer() {
        auto* licence = qobject_cast<CLicenceAgreementDlg*>(QApplication::activeModalWidget());
        if (licence == nullptr) {
            return;
        }
        ++opened;
        parent = licence->parentWidget();
        QTest::mouseClick(GetDlgItemAs<QPushButton>(*licence, IDOK), Qt::LeftButton);
    }

    QTimer m_poll;
};

// Mouse input goes through the window, so Qt finds the control under the
// pointer as it would for a real click.
void ClickAt(QDialog& dialog, const QPoint& point, bool twice = false) {
    if (twice) {
        QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, point);
    } else {
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, point);
    }
}

// The pointer Qt shows there: that of the widget that takes the mouse at
// that point (mouse-transparent ones are passed over), or of its parents.
Qt::CursorShape PointerAt(const QDialog& dialog, const QPoint& point) {
    const QWidget* under = dialog.childAt(point);
    return (under != nullptr ? under : &dialog)->cursor().shape();
}

// Places in and around a control's rectangle, by name.
QPoint PointIn(const QRect& rect, const QString& where) {
    if (where == "on the words") {
        return rect.topLeft() + QPoint(3, rect.height() / 2);
    }
    if (where == "far right") {
        return QPoint(rect.right(), rect.center().y());
    }
    if (where == "top-left corner") {
        return rect.topLeft();
    }
    if (where == "bottom-right corner") {
        return rect.bottomRight();
    }
    if (where == "just below") {
        return QPoint(rect.left() + 3, rect.bottom() + 2);
    }
    return QPoint(rect.right() + 2, rect.center().y()); // just right
}

void PressOnFocus(int key) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
}

} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetActiveLanguage(kEnglish); }
    void cleanup() { SetActiveLanguage(kEnglish); }

    void showsTheVersionOfThisBuild();
    void webLinkLooksLikeALink();
    void webLinkOpensExactlyItsTarget_data();
    void webLinkOpensExactlyItsTarget();
    void webLinkReachesTheBrowser();
    void licenceLinkKeepsTheArrow();
    void licenceLinkOpensTheLicenceAnywhereInItsRectangle_data();
    void licenceLinkOpensTheLicenceAnywhereInItsRectangle();
    void linksAreReachedWithTabAndOpenedByKey();
    void okCloses();
    void licenceShowsTheWholeDocumentWithoutByteOrderMark();
    void licenceTextConversion_data();
    void licenceTextConversion();
    void textsFollowTheActiveLanguage_data();
    void textsFollowTheActiveLanguage();
};

void AboutDialogTest::showsTheVersionOfThisBuild() {
    CAboutDlg about(nullptr);
    QCOMPARE(about.ControlAs<QLabel>(1012)->text(), QStringLiteral("Version 3.1.0 Build 41"));
}

void AboutDialogTest::webLinkLooksLikeALink() {
    CAboutDlg about(nullptr);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* link = about.ControlAs<CORVLabel>(kWebLinkId);
    QVERIFY(link != nullptr);
    QCOMPARE(link->text(), Text(142));
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(link->font().underline());
    const QRect rect = TemplateRect(about, kWebLinkId);
    QCOMPARE(PointerAt(about, rect.center()), Qt::PointingHandCursor);
}

void AboutDialogTest::webLinkOpensExactlyItsTarget_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<int>("opens");
    for (const char* where : {"on the words", "far right", "bottom-right corner"}) {
        QTest::newRow(where) << QString(where) << false << 1;
    }
    QTest::newRow("double click") << QStringLiteral("on the words") << true << 1;
    QTest::newRow("just below") << QStringLiteral("just below") << false << 0;
}

void AboutDialogTest::webLinkOpensExactlyItsTarget() {
    QFETCH(QString, where);
    QFETCH(bool, twice);
    QFETCH(int, opens);
    const OpenedTargets opened;
    const LicenceReader reader;
    CAboutDlg about(nullptr);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    ClickAt(about, PointIn(TemplateRect(about, kWebLinkId), where), twice);
    QCOMPARE(opened.targets, opens > 0 ? QStringList{Text(143)} : QStringList{});
    QCOMPARE(reader.opened, 0);
    QVERIFY(about.isVisible());
}

void AboutDialogTest::webLinkReachesTheBrowser() {
    const Browser browser;
    CAboutDlg about(nullptr);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    ClickAt(about, PointIn(TemplateRect(about, kWebLinkId), "on the words"));
    QCOMPARE(browser.opened, QList<QUrl>{QUrl(Text(143))});
}

void AboutDialogTest::licenceLinkKeepsTheArrow() {
    CAboutDlg about(nullptr);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* link = about.ControlAs<CORVLabel>(kLicenceLinkId);
    QVERIFY(link != nullptr);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(link->font().underline());
    const QRect rect = TemplateRect(about, kLicenceLinkId);
    QCOMPARE(PointerAt(about, PointIn(rect, "on the words")), Qt::ArrowCursor);
    QCOMPARE(PointerAt(about, PointIn(rect, "far right")), Qt::ArrowCursor);
}

void AboutDialogTest::licenceLinkOpensTheLicenceAnywhereInItsRectangle_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("opens");
    for (const char* where :
         {"on the words", "far right", "top-left corner", "bottom-right corner"}) {
        QTest::newRow(where) << QString(where) << 1;
    }
    for (const char* where : {"just below", "just right"}) {
        QTest::newRow(where) << QString(where) << 0;
    }
}

void AboutDialogTest::licenceLinkOpensTheLicenceAnywhereInItsRectangle() {
    QFETCH(QString, where);
    QFETCH(int, opens);
    const OpenedTargets opened;
    const LicenceReader reader;
    CAboutDlg about(nullptr);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    ClickAt(about, PointIn(TemplateRect(about, kLicenceLinkId), where));
    QCoreApplication::processEvents();
    QCOMPARE(reader.opened, opens);
    if (opens > 0) {
        QCOMPARE(reader.parent, &about);
    }
    QVERIFY(opened.targets.isEmpty());
    QVERIFY(about.isVisible());
}

// OK, then the two links in template order; Enter or Space opens the one with focus.
void AboutDialogTest::linksAreReachedWithTabAndOpenedByKey() {
    const OpenedTargets opened;
    const LicenceReader reader;
    CAboutDlg about(nullptr);
    about.show();
    QApplication::setActiveWindow(&about);
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(QApplication::focusWidget(), about.Control(IDOK));

    PressOnFocus(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), about.Control(kLicenceLinkId));
    // A window manager gives the About box back its activation, and with it
    // the link its focus, once the licence dialog has closed.
    for (const int key : {Qt::Key_Return, Qt::Key_Space}) {
        PressOnFocus(key);
        QApplication::setActiveWindow(&about);
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget(), about.Control(kLicenceLinkId));
    }
    QCOMPARE(reader.opened, 2);
    QVERIFY(opened.targets.isEmpty());

    PressOnFocus(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), about.Control(kWebLinkId));
    PressOnFocus(Qt::Key_Space);
    PressOnFocus(Qt::Key_Enter);
    QCOMPARE(opened.targets, (QStringList{Text(143), Text(143)}));
    QCOMPARE(reader.opened, 2);
    QVERIFY(about.isVisible());

    PressOnFocus(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), about.Control(IDOK));
}

void AboutDialogTest::okCloses() {
    CAboutDlg about(nullptr);
    QTimer::singleShot(0, &about, [] {
        QWidget* modal = QApplication::activeModalWidget();
        QTest::mouseClick(GetDlgItemAs<QPushButton>(*modal, IDOK), Qt::LeftButton);
    });
    QCOMPARE(about.exec(), int(QDialog::Accepted));
}

void AboutDialogTest::licenceShowsTheWholeDocumentWithoutByteOrderMark() {
    CLicenceAgreementDlg licence(nullptr);
    auto* box = licence.ControlAs<QPlainTextEdit>(1001);
    QVERIFY(box != nullptr);
    const std::span<const std::uint8_t> bytes = LicenceText();
    QVERIFY(bytes.size() > 3);
    const QString document = QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()) + 3,
                                               static_cast<qsizetype>(bytes.size() - 3))
                                 .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(box->toPlainText(), document);
    QVERIFY(!box->toPlainText().contains(QChar::ByteOrderMark));
    QVERIFY(!box->toPlainText().contains(QLatin1Char('\r')));
    QCOMPARE(box->blockCount(), int(document.count(QLatin1Char('\n'))) + 1);
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(box->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));

    // Wrapped at the box's width: it scrolls down, never sideways.
    licence.show();
    QVERIFY(QTest::qWaitForWindowExposed(&licence));
    QVERIFY(box->verticalScrollBar()->maximum() > 0);
    QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
}

void AboutDialogTest::licenceTextConversion_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing") << QByteArray() << QString();
    QTest::newRow("only the mark") << QByteArray("\xEF\xBB\xBF") << QString();
    QTest::newRow("mark and CRLF")
        << QByteArray("\xEF\xBB\xBFTerms\r\n\r\n1. Use\r\n") << QStringLiteral("Terms\n\n1. Use\n");
    QTest::newRow("no mark keeps the first letter")
        << QByteArray("Terms\r\nEnd") << QStringLiteral("Terms\nEnd");
    QTest::newRow("a mark inside stays")
        << QByteArray("A\xEF\xBB\xBF") << QString(QLatin1Char('A')) + QChar::ByteOrderMark;
}

void AboutDialogTest::licenceTextConversion() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    QCOMPARE(LicenceDisplayText({data, static_cast<std::size_t>(bytes.size())}), shown);
}

void AboutDialogTest::textsFollowTheActiveLanguage_data() {
    QTest::addColumn<std::uint16_t>("langId");
    QTest::newRow("English") << std::uint16_t{kEnglish};
    QTest::newRow("Spanish") << std::uint16_t{10};
    QTest::newRow("Dutch") << std::uint16_t{19};
    QTest::newRow("German") << std::uint16_t{kGerman};
    QTest::newRow("French") << std::uint16_t{1036};
    QTest::newRow("Japanese") << std::uint16_t{1041};
    QTest::newRow("Polish") << std::uint16_t{1045};
}

void AboutDialogTest::textsFollowTheActiveLanguage() {
    QFETCH(std::uint16_t, langId);
    SetActiveLanguage(langId);
    const OpenedTargets opened;
    const LicenceReader reader;
    CAboutDlg about(nullptr);
    QCOMPARE(about.windowTitle(), Caption(100, langId));
    if (langId != kEnglish) {
        QVERIFY(about.windowTitle() != Caption(100, kEnglish));
    }
    QCOMPARE(about.ControlAs<QLabel>(kWebLinkId)->text(), Text(142, langId));
    QCOMPARE(about.ControlAs<QLabel>(kLicenceLinkId)->text(),
             TemplateText(100, kLicenceLinkId, langId));
    QCOMPARE(about.ControlAs<QLabel>(1012)->text(), QStringLiteral("Version 3.1.0 Build 41"));

    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    ClickAt(about, PointIn(TemplateRect(about, kWebLinkId), "on the words"));
    QCOMPARE(opened.targets, QStringList{Text(143, langId)});

    const CLicenceAgreementDlg licence(&about);
    QCOMPARE(licence.windowTitle(), Caption(134, langId));
    QCOMPARE(licence.ControlAs<QPlainTextEdit>(1001)->toPlainText(),
             LicenceDisplayText(LicenceText(langId)));
}

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
