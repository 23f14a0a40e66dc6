#include "layout/ControlFactory.h"

#include "resources/WindowStyles.h"
#include "layout/PasswordMaskStyle.h"
#include "layout/ResourceImages.h"
#include "layout/TemplateValues.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyleFactory>
#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

using ControlBuilder = QWidget* (*)(const DialogControl&, const QRect&, QWidget&);

QWidget* Placed(QWidget* widget, const QRect& geometry) {
    widget->setGeometry(geometry);
    return widget;
}

QWidget* CreateButton(const DialogControl& control, const QRect& geometry, QWidget& dialog) {
    switch (control.style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
        return Placed(new QCheckBox(QStringFromUtf8(control.text), &dialog), geometry);
    case BS_DEFPUSHBUTTON: {
        auto* button = new QPushButton(QStringFromUtf8(control.text), &dialog);
        button->setDefault(true);
        return Placed(button, geometry);
    }
    default:
        return Placed(new QPushButton(QStringFromUtf8(control.text), &dialog), geometry);
    }
}

Qt::Alignment StaticTextAlignment(std::uint32_t style) {
    switch (style & SS_TYPEMASK) {
    case SS_RIGHT:
        return Qt::AlignRight | Qt::AlignTop;
    case SS_CENTER:
        return Qt::AlignHCenter | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

QLabel* CreateTextLabel(const DialogControl& control, QWidget& dialog) {
    auto* label = new QLabel(QStringFromUtf8(control.text), &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(StaticTextAlignment(control.style));
    label->setWordWrap(true);
    return label;
}

// The icon drawn square, as large as the control allows.
QLabel* CreateIconLabel(const DialogControl& control, const QRect& geometry, QWidget& dialog) {
    auto* label = new QLabel(&dialog);
    const int side = std::min(geometry.width(), geometry.height());
    label->setPixmap(LoadIconGroup(control.imageId).pixmap(side, side));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A bitmap static sizes itself to its bitmap, as on Windows.
QLabel* CreateBitmapLabel(const DialogControl& control, QRect& geometry, QWidget& dialog) {
    auto* label = new QLabel(&dialog);
    const QPixmap bitmap = LoadBitmapResource(control.imageId);
    label->setPixmap(bitmap);
    geometry.setSize(bitmap.deviceIndependentSize().toSize());
    return label;
}

QWidget* CreateStatic(const DialogControl& control, const QRect& templateGeometry,
                      QWidget& dialog) {
    QRect geometry = templateGeometry;
    QLabel* label = nullptr;
    switch (control.style & SS_TYPEMASK) {
    case SS_ICON:
        label = CreateIconLabel(control, geometry, dialog);
        break;
    case SS_BITMAP:
        label = CreateBitmapLabel(control, geometry, dialog);
        break;
    default:
        label = CreateTextLabel(control, dialog);
        break;
    }
    // Without SS_NOTIFY a static lets clicks through to the dialog.
    label->setAttribute(Qt::WA_TransparentForMouseEvents, !HasStyle(control.style, SS_NOTIFY));
    return Placed(label, geometry);
}

Qt::ScrollBarPolicy ScrollBarPolicy(std::uint32_t style, std::uint32_t scrollBit) {
    return HasStyle(style, scrollBit) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
}

QWidget* CreatePlainTextBox(const DialogControl& control, const QRect& geometry, QWidget& dialog) {
    auto* box = new QPlainTextEdit(QStringFromUtf8(control.text), &dialog);
    box->setReadOnly(HasStyle(control.style, ES_READONLY));
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(ScrollBarPolicy(control.style, WS_VSCROLL));
    box->setHorizontalScrollBarPolicy(ScrollBarPolicy(control.style, WS_HSCROLL));
    if (!HasStyle(control.style, WS_BORDER)) {
        box->setFrameShape(QFrame::NoFrame);
    }
    return Placed(box, geometry);
}

QWidget* CreateEdit(const DialogControl& control, const QRect& geometry, QWidget& dialog) {
    if (HasStyle(control.style, ES_MULTILINE)) {
        return CreatePlainTextBox(control, geometry, dialog);
    }
    auto* edit = new QLineEdit(QStringFromUtf8(control.text), &dialog);
    auto* maskStyle = new PasswordMaskStyle(QStyleFactory::create(QApplication::style()->name()));
    maskStyle->setParent(edit);
    edit->setStyle(maskStyle);
    edit->setFrame(HasStyle(control.style, WS_BORDER));
    edit->setReadOnly(HasStyle(control.style, ES_READONLY));
    if (HasStyle(control.style, ES_PASSWORD)) {
        edit->setEchoMode(QLineEdit::Password);
    }
    return Placed(edit, geometry);
}

QWidget* CreateProgressBar(const DialogControl&, const QRect& geometry, QWidget& dialog) {
    auto* bar = new QProgressBar(&dialog);
    bar->setRange(0, 100); // the common control's default range
    bar->setValue(0);
    bar->setTextVisible(false);
    return Placed(bar, geometry);
}

QWidget* CreatePlaceholder(const DialogControl&, const QRect& geometry, QWidget& dialog) {
    return Placed(new QWidget(&dialog), geometry);
}

struct ControlClass {
    std::string_view name;
    ControlBuilder build;
};

constexpr ControlClass kControlClasses[] = {
    {kButtonClass, CreateButton},
    {kStaticClass, CreateStatic},
    {kEditClass, CreateEdit},
    {kRichEditClass, CreatePlainTextBox},
    {kProgressClass, CreateProgressBar},
};

bool SameClassName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

ControlBuilder BuilderFor(std::string_view className) {
    const auto* found = std::ranges::find_if(kControlClasses, [&](const ControlClass& entry) {
        return SameClassName(entry.name, className);
    });
    return found != std::end(kControlClasses) ? found->build : CreatePlaceholder;
}

} // namespace

QWidget* CreateControlWidget(const DialogControl& control, const QRect& geometry, QWidget& dialog) {
    return BuilderFor(control.className)(control, geometry, dialog);
}
