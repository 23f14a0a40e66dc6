#include "ui/CORVLabel.h"

#include "layout/DlgItem.h"
#include "ui/LinkOpener.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

bool IsActivationKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// Moves `moved` to just after `anchor` in the focus chain; setTabOrder
// ignores widgets that take no focus, so both take it for the moment.
void PlaceInFocusChainAfter(QWidget& anchor, QWidget& moved) {
    const Qt::FocusPolicy anchorPolicy = anchor.focusPolicy();
    const Qt::FocusPolicy movedPolicy = moved.focusPolicy();
    anchor.setFocusPolicy(Qt::TabFocus);
    moved.setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(&anchor, &moved);
    anchor.setFocusPolicy(anchorPolicy);
    moved.setFocusPolicy(movedPolicy);
}

} // namespace

CORVLabel::CORVLabel(QWidget* parent)
    : QLabel(parent), m_crText(palette().color(QPalette::WindowText)), m_lfFont(font()) {}

CORVLabel* CORVLabel::SubclassDlgItem(QWidget& dialog, int id) {
    QLabel* original = GetDlgItemAs<QLabel>(dialog, id);
    if (original == nullptr) {
        return nullptr;
    }
    auto* label = new CORVLabel(&dialog);
    label->TakeOverFrom(*original);
    label->stackUnder(original);
    PlaceInFocusChainAfter(*original, *label);
    label->setVisible(original->isVisibleTo(&dialog));
    delete original;
    return label;
}

void CORVLabel::TakeOverFrom(const QLabel& original) {
    setTextFormat(original.textFormat());
    setText(original.text());
    setAlignment(original.alignment());
    setWordWrap(original.wordWrap());
    setMargin(original.margin());
    setIndent(original.indent());
    setGeometry(original.geometry());
    setEnabled(original.isEnabled());
    setFocusPolicy(original.focusPolicy());
    setAttribute(Qt::WA_TransparentForMouseEvents,
                 original.testAttribute(Qt::WA_TransparentForMouseEvents));
    if (original.testAttribute(Qt::WA_SetFont)) {
        setFont(original.font());
    }
    if (const auto id = DlgItemId(original)) {
        SetDlgItemId(*this, *id);
    }
    m_crText = palette().color(QPalette::WindowText);
    m_lfFont = font();
}

void CORVLabel::SetTextColour(const QColor& colour) {
    m_crText = colour;
    ApplyTextColour();
}

void CORVLabel::SetUnderline(bool on) {
    m_lfFont.setUnderline(on);
    setFont(m_lfFont);
}

void CORVLabel::SetLinkTarget(const QString& target) {
    m_strLink = target;
}

void CORVLabel::EnableLink() {
    m_bLinkEnabled = true;
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void CORVLabel::SetLinkCursor(const QCursor& cursor) {
    setCursor(cursor);
}

bool CORVLabel::TakesMouseInput() const {
    return !testAttribute(Qt::WA_TransparentForMouseEvents);
}

void CORVLabel::ApplyTextColour() {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, m_crText);
    setPalette(colours);
}

void CORVLabel::OnClick() {
    if (m_bLinkEnabled) {
        OpenLinkTarget(m_strLink);
    }
}

void CORVLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnClick();
        emit Activated();
    }
    QLabel::mousePressEvent(event);
}

// The second click of a double click opens nothing more, as a static's
// double click never was a button-down on Windows.
void CORVLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CORVLabel::keyPressEvent(QKeyEvent* event) {
    if (!IsActivationKey(event->key()) || event->modifiers() != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (TakesMouseInput()) {
        OnClick();
    }
    emit Activated();
}

void CORVLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        PaintFocusRect();
    }
}

// Around the words, as Windows frames a focused control's text.
void CORVLabel::PaintFocusRect() {
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QRect words = fontMetrics().boundingRect(contentsRect(), flags, text());
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = words.adjusted(-1, 0, 1, 0).intersected(rect());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
