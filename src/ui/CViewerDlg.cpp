#include "ui/CViewerDlg.h"

#include "layout/CenterWindow.h"
#include "layout/DialogTemplateBuilder.h"
#include "layout/DlgItem.h"
#include "resources/ControlIds.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr std::uint16_t IDD_VIEWER = 270;
constexpr int IDC_TEXT = 1471;

// Every way of selecting, copying, dragging or typing reaches the text box as one of these;
// painting, resizing, hovering and the wheel do not.
constexpr QEvent::Type kRefusedEvents[] = {
    QEvent::MouseButtonPress,
    QEvent::MouseButtonRelease,
    QEvent::MouseButtonDblClick,
    QEvent::KeyPress,
    QEvent::KeyRelease,
    QEvent::ShortcutOverride,
    QEvent::ContextMenu,
    QEvent::DragEnter,
    QEvent::DragMove,
    QEvent::DragLeave,
    QEvent::Drop,
    QEvent::InputMethod,
    QEvent::FocusIn,
    QEvent::TouchBegin,
    QEvent::TouchUpdate,
    QEvent::TouchEnd,
    QEvent::TabletPress,
    QEvent::TabletRelease,
};

bool IsRefused(QEvent::Type type) {
    return std::ranges::find(kRefusedEvents, type) != std::end(kRefusedEvents);
}

// The keys that scroll the text while the OK button keeps the focus.
std::optional<QAbstractSlider::SliderAction> ScrollActionFor(int key) {
    switch (key) {
    case Qt::Key_PageUp:
        return QAbstractSlider::SliderPageStepSub;
    case Qt::Key_PageDown:
        return QAbstractSlider::SliderPageStepAdd;
    case Qt::Key_Home:
        return QAbstractSlider::SliderToMinimum;
    case Qt::Key_End:
        return QAbstractSlider::SliderToMaximum;
    default:
        return std::nullopt;
    }
}

} // namespace

CViewerDlg::CViewerDlg(const QString& text, QWidget* parent)
    : cdxCDynamicDialog(IDD_VIEWER, parent), m_strText(text) {
    BuildDialogFromTemplate(*this, IDD_VIEWER);
    m_ctlText = GetDlgItemAs<QPlainTextEdit>(*this, IDC_TEXT);
    if (m_ctlText) {
        MakeTextInert();
    }
    if (auto* ok = GetDlgItemAs<QPushButton>(*this, IDOK)) {
        connect(ok, &QPushButton::clicked, this, &CViewerDlg::accept);
    }
}

CViewerDlg::~CViewerDlg() = default;

void CViewerDlg::MakeTextInert() {
    m_ctlText->setReadOnly(true);
    m_ctlText->setTextInteractionFlags(Qt::NoTextInteraction);
    m_ctlText->setUndoRedoEnabled(false);
    m_ctlText->setFocusPolicy(Qt::NoFocus);
    m_ctlText->setContextMenuPolicy(Qt::NoContextMenu);
    m_ctlText->setAcceptDrops(false);
    m_ctlText->installEventFilter(this);
    m_ctlText->viewport()->installEventFilter(this);
}

void CViewerDlg::OnInitDialog() {
    cdxCDynamicDialog::OnInitDialog();
    if (m_ctlText) {
        m_ctlText->setPlainText(m_strText);
        AnchorControl(m_ctlText, AnchorStretch, AnchorStretch);
    }
    if (auto* ok = GetDlgItemAs<QPushButton>(*this, IDOK)) {
        AnchorControl(ok, AnchorMove, AnchorMove);
        ok->setFocus();
    }
    // After the remembered placement: its size is kept, its position is not.
    CenterWindow(*this);
}

// Centred once more when the window exists and its frame is known, before it is on screen.
void CViewerDlg::showEvent(QShowEvent* event) {
    cdxCDynamicDialog::showEvent(event);
    if (!std::exchange(m_bCentred, true)) {
        CenterWindow(*this);
    }
}

// The scroll bars are children of their own, so they still take clicks.
bool CViewerDlg::eventFilter(QObject* watched, QEvent* event) {
    if (m_ctlText && (watched == m_ctlText || watched == m_ctlText->viewport()) &&
        IsRefused(event->type())) {
        event->accept();
        return true;
    }
    return cdxCDynamicDialog::eventFilter(watched, event);
}

void CViewerDlg::keyPressEvent(QKeyEvent* event) {
    const std::optional<QAbstractSlider::SliderAction> action = ScrollActionFor(event->key());
    if (m_ctlText && action && event->modifiers() == Qt::NoModifier) {
        m_ctlText->verticalScrollBar()->triggerAction(*action);
        event->accept();
        return;
    }
    cdxCDynamicDialog::keyPressEvent(event);
}

// The plain text lives no longer than the reading.
void CViewerDlg::done(int result) {
    cdxCDynamicDialog::done(result);
    if (m_ctlText) {
        m_ctlText->clear();
    }
}
