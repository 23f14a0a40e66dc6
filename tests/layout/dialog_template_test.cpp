// Dialogs built from the resource templates: every template of every compiled
// language, checked control by control against its template row, plus tab
// order, window flags, the password mask and the lookup by id. Pixels are
// expected from the base units of the dialog's own font, so the checks hold
// with any installed fonts.

#include "resources/ActiveLanguage.h"
#include "resources/Bitmap.h"
#include "resources/CompiledLanguages.h"
#include "resources/ControlIds.h"
#include "resources/FindTemplate.h"
#include "resources/LanguageFallbackChain.h"
#include "resources/TemplateStyles.h"
#include "layout/CTemplateDialog.h"
#include "layout/DialogBaseUnits.h"
#include "layout/DialogTemplateBuilder.h"
#include "layout/DlgItem.h"
#include "layout/TemplateValues.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <vector>

namespace {

const DialogTemplate& TemplateOf(int templateId, int langId) {
    const DialogTemplate* found = FindDialogTemplate(static_cast<std::uint16_t>(templateId),
                                                     static_cast<std::uint16_t>(langId));
    Q_ASSERT(found != nullptr);
    return *found;
}

void Build(QDialog& dialog, int templateId, int langId) {
    BuildDialogFromTemplate(dialog, TemplateOf(templateId, langId),
                            static_cast<std::uint16_t>(langId));
}

// The dialog's controls in creation order, which is template order.
std::vector<QWidget*> Controls(const QDialog& dialog) {
    std::vector<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (DlgItemId(*child)) {
            controls.push_back(child);
        }
    }
    return controls;
}

// The Qt class that stands in for each Windows class and kind.
const char* ExpectedClass(const DialogControl& control) {
    const std::string_view name = control.className;
    if (name == kButtonClass) {
        return (control.style & BS_TYPEMASK) == BS_AUTOCHECKBOX ? "QCheckBox" : "QPushButton";
    }
    if (name == kStaticClass) {
        return "QLabel";
    }
    if (name == kEditClass) {
        return "QLineEdit";
    }
    if (name == kRichEditClass) {
        return "QPlainTextEdit";
    }
    if (name == kProgressClass) {
        return "QProgressBar";
    }
    return "QWidget";
}

bool IsImageStatic(const DialogControl& control) {
    const std::uint32_t kind = control.style & SS_TYPEMASK;
    return control.className == kStaticClass && (kind == SS_ICON || kind == SS_BITMAP);
}

bool IsDefaultButton(const DialogTemplate& dialogTemplate, const DialogControl& control) {
    const auto isDefPush = [](const DialogControl& c) {
        return c.className == kButtonClass && (c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    };
    if (std::ranges::any_of(dialogTemplate.controls, isDefPush)) {
        return isDefPush(control);
    }
    return control.id == IDOK;
}

// A bitmap static takes its bitmap's size at the template position.
QRect ExpectedGeometry(const DialogControl& control, DialogBaseUnits units) {
    const QRect mapped = MapDialogRect(control.rect, units);
    if (control.className == kStaticClass && (control.style & SS_TYPEMASK) == SS_BITMAP) {
        const BitmapImage bitmap = FindBitmap(control.imageId);
        return {mapped.topLeft(), QSize(bitmap.width, bitmap.height)};
    }
    return mapped;
}

QString ShownText(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return edit->text();
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(&widget)) {
        return box->toPlainText();
    }
    return {};
}

void CheckEditState(const QWidget& widget, const DialogControl& control) {
    const bool readOnly = HasStyle(control.style, ES_READONLY);
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        QCOMPARE(edit->isReadOnly(), readOnly);
        QCOMPARE(edit->echoMode() == QLineEdit::Password, HasStyle(control.style, ES_PASSWORD));
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(&widget)) {
        QCOMPARE(box->isReadOnly(), readOnly);
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(box->verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded,
                 HasStyle(control.style, WS_VSCROLL));
    }
}

void CheckControl(const QDialog& dialog, const DialogTemplate& dialogTemplate,
                  const DialogControl& control, const QWidget& widget) {
    QVERIFY(DlgItemId(widget) == control.id);
    QCOMPARE(widget.metaObject()->className(), ExpectedClass(control));
    QCOMPARE(widget.isVisibleTo(&dialog), HasStyle(control.style, WS_VISIBLE));
    QCOMPARE(widget.isEnabled(), !HasStyle(control.style, WS_DISABLED));
    QCOMPARE((widget.focusPolicy() & Qt::TabFocus) != 0, HasStyle(control.style, WS_TABSTOP));
    QCOMPARE(widget.geometry(), ExpectedGeometry(control, MeasureDialogBaseUnits(dialog.font())));
    if (IsImageStatic(control)) {
        QVERIFY(!qobject_cast<const QLabel*>(&widget)->pixmap().isNull());
    } else {
        QCOMPARE(ShownText(widget), QStringFromUtf8(control.text));
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        QCOMPARE(button->isDefault(), IsDefaultButton(dialogTemplate, control));
    }
    CheckEditState(widget, control);
}

void AddTemplateRows() {
    QTest::addColumn<int>("templateId");
    QTest::addColumn<int>("langId");
    for (const LanguageResources* language : CompiledLanguages()) {
        for (const DialogTemplate& dialogTemplate : language->dialogs) {
            QTest::addRow("%d/%d", dialogTemplate.id, language->langId)
                << int{dialogTemplate.id} << int{language->langId};
        }
    }
}

// A test template: mnemonic statics before an edit, at the end (wrapping
// to the first tab stop) and with SS_NOPREFIX.
constexpr DialogControl kMnemonicControls[] = {
    {10, "STATIC", "&Name", kTextStyle, 0, {4, 4, 40, 8}},
    {11, "EDIT", "", kPasswordEditStyle & ~ES_PASSWORD, 0, {50, 4, 80, 12}},
    {12, "STATIC", "A && B", kTextStyle | SS_NOPREFIX, 0, {4, 20, 40, 8}},
    {13, "BUTTON", "OK", kDefaultButtonStyle, 0, {80, 20, 50, 14}},
    {14, "STATIC", "&Last", kTextStyle, 0, {4, 40, 40, 8}},
};
constexpr DialogTemplate kMnemonicDialog{1, "Mnemonics",     kModalDialogStyle,
                                         0, {0, 0, 140, 60}, kMnemonicControls};

} // namespace

class DialogTemplateTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlFollowsItsTemplateRow_data() { AddTemplateRows(); }
    void everyControlFollowsItsTemplateRow() {
        QFETCH(int, templateId);
        QFETCH(int, langId);
        const DialogTemplate& dialogTemplate = TemplateOf(templateId, langId);
        QDialog dialog;
        Build(dialog, templateId, langId);

        QCOMPARE(dialog.windowTitle(), QStringFromUtf8(dialogTemplate.caption));
        QCOMPARE(dialog.size(),
                 MapDialogSize(dialogTemplate.rect, MeasureDialogBaseUnits(dialog.font())));
        const std::vector<QWidget*> controls = Controls(dialog);
        QCOMPARE(controls.size(), dialogTemplate.controls.size());
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const DialogControl& control = dialogTemplate.controls[i];
            QVERIFY(GetDlgItem(dialog, control.id) != nullptr);
            CheckControl(dialog, dialogTemplate, control, *controls[i]);
        }
    }

    void tabOrderIsTemplateOrderOfTabStops_data() { AddTemplateRows(); }
    void tabOrderIsTemplateOrderOfTabStops() {
        QFETCH(int, templateId);
        QFETCH(int, langId);
        const DialogTemplate& dialogTemplate = TemplateOf(templateId, langId);
        QDialog dialog;
        Build(dialog, templateId, langId);

        std::vector<int> expected;
        for (const DialogControl& control : dialogTemplate.controls) {
            if (HasStyle(control.style, WS_TABSTOP)) {
                expected.push_back(control.id);
            }
        }
        std::vector<int> chain;
        QWidget* widget = &dialog;
        while ((widget = widget->nextInFocusChain()) != &dialog) {
            if (DlgItemId(*widget) && (widget->focusPolicy() & Qt::TabFocus) != 0) {
                chain.push_back(*DlgItemId(*widget));
            }
        }
        QCOMPARE(chain, expected);
    }

    void windowFlagsFollowTheStyles_data() {
        QTest::addColumn<int>("templateId");
        QTest::addColumn<bool>("title");
        QTest::addColumn<bool>("closeButton");
        QTest::addColumn<bool>("minimizeButton");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<bool>("acceptsDrops");
        QTest::addColumn<bool>("appWindow");
        constexpr bool yes = true;
        constexpr bool no = false;
        // clang-format off
        //                              title  close  minimise on top sizable drops  app window
        QTest::newRow("102 main")    << 102 << yes << yes << no  << no  << no  << yes << yes;
        QTest::newRow("107 working") << 107 << no  << no  << no  << yes << no  << no  << no;
        QTest::newRow("108 progress")<< 108 << no  << no  << no  << no  << no  << no  << no;
        QTest::newRow("131 password")<< 131 << yes << yes << no  << no  << no  << no  << no;
        // No system menu, so no caption buttons at all, the minimise box included.
        QTest::newRow("270 viewer")  << 270 << yes << no  << no  << no  << yes << no  << no;
        // clang-format on
    }
    void windowFlagsFollowTheStyles() {
        QFETCH(int, templateId);
        QFETCH(bool, title);
        QFETCH(bool, closeButton);
        QFETCH(bool, minimizeButton);
        QFETCH(bool, onTop);
        QFETCH(bool, resizable);
        QFETCH(bool, acceptsDrops);
        QFETCH(bool, appWindow);
        QDialog dialog;
        Build(dialog, templateId, LANGID_ENGLISH);

        const Qt::WindowFlags flags = dialog.windowFlags();
        QCOMPARE(flags.testFlag(Qt::WindowTitleHint), title);
        QCOMPARE(flags.testFlag(Qt::FramelessWindowHint), !title);
        QCOMPARE(flags.testFlag(Qt::WindowCloseButtonHint), closeButton);
        QCOMPARE(flags.testFlag(Qt::WindowSystemMenuHint), closeButton);
        QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minimizeButton);
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(flags.testFlag(Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(dialog.minimumSize() != dialog.maximumSize(), resizable);
        QCOMPARE(dialog.acceptDrops(), acceptsDrops);
        QCOMPARE(dialog.windowType(), appWindow ? Qt::Window : Qt::Dialog);
    }

    void passwordEditsMaskWithABlackCircle() {
        QDialog dialog;
        Build(dialog, 131, LANGID_ENGLISH);
        for (const int id : {1002, 1008}) {
            auto* edit = GetDlgItemAs<QLineEdit>(dialog, id);
            QVERIFY(edit != nullptr);
            QTest::keyClicks(edit, QStringLiteral("pa5"));
            QCOMPARE(edit->text(), QStringLiteral("pa5"));
            QCOMPARE(edit->displayText(), QString(3, QChar(0x25CF)));
        }
    }

    void mnemonicStaticsTakeTheNextTabStopAsBuddy() {
        QDialog dialog;
        BuildDialogFromTemplate(dialog, kMnemonicDialog, LANGID_ENGLISH);
        QCOMPARE(GetDlgItemAs<QLabel>(dialog, 10)->buddy(), GetDlgItem(dialog, 11));
        QCOMPARE(GetDlgItemAs<QLabel>(dialog, 12)->buddy(), nullptr);
        QCOMPARE(GetDlgItemAs<QLabel>(dialog, 14)->buddy(), GetDlgItem(dialog, 11));
    }

    void templateDialogUsesTheActiveLanguageAndFindsControlsById() {
        SetActiveLanguage(1031);
        const CTemplateDialog german(102);
        SetActiveLanguage(0x0419); // no Russian resources: English serves
        const CTemplateDialog fallback(131);
        const CTemplateDialog missing(1);
        SetActiveLanguage(LANGID_ENGLISH);

        QCOMPARE(german.ControlAs<QPushButton>(1008)->text(), QStringLiteral("&Verschlüsseln"));
        QCOMPARE(german.Template(), FindDialogTemplate(102, 1031));
        QCOMPARE(fallback.Control(1019)->metaObject()->className(), "QLabel");
        QCOMPARE(fallback.ControlAs<QLabel>(1019)->text(), QStringLiteral("Password"));
        QCOMPARE(fallback.ControlAs<QPushButton>(1019), nullptr);
        QCOMPARE(fallback.Control(4711), nullptr);
        QCOMPARE(missing.Template(), nullptr);
        QVERIFY(Controls(missing).empty());
    }
};

QTEST_MAIN(DialogTemplateTest)
#include "dialog_template_test.moc"
