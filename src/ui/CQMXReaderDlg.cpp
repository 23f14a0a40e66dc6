#include "ui/CQMXReaderDlg.h"

#include "jobs/RunFileJobs.h"
#include "layout/CenterWindow.h"
#include "layout/DialogTemplateBuilder.h"
#include "layout/DlgItem.h"
#include "layout/ResourceImages.h"
#include "resources/ControlIds.h"
#include "resources/FindTemplate.h"
#include "ui/AppTitle.h"
#include "ui/ArmourMarkerTracker.h"
#include "ui/CAboutDlg.h"
#include "ui/LoadUiText.h"
#include "ui/PromptForPassword.h"
#include "ui/TemplateMenu.h"
#include "ui/TextBoxContents.h"
#include "ui/TextSelection.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QTimer>

namespace {

constexpr std::uint16_t kMainDialogTemplate = 102;
constexpr std::uint16_t kProgramIcon = 128;
constexpr std::uint16_t kContextMenu = 132;
constexpr int kTextBox = 1001;
constexpr int kTestButton = 1002;
constexpr int kCopyAllButton = 1004;
constexpr int kPasteButton = 1005;
constexpr int kClearButton = 1006;
constexpr int kDecryptButton = 1007;
constexpr int kEncryptButton = 1008;
constexpr int kLogo = 1011;
constexpr int kHint = 1017;
constexpr int kMenuCopy = 32771;
constexpr int kMenuPaste = 32772;
constexpr int kMenuSelectAll = 32773;
constexpr int IDM_ABOUTBOX = 0x0010;
constexpr std::uint32_t kAboutEntryText = 101;
constexpr std::uint32_t kExitQuestion = 116;
// Our own text: the Windows program had no answer for a remote drop.
constexpr std::uint32_t kNotLocalFilesText = 145;

struct ButtonCommand {
    int id;
    void (CQMXReaderDlg::*handler)();
};

struct ControlAnchor {
    int id;
    int horizontal;
    int vertical;
};

// In the order the controls are registered.
constexpr ControlAnchor kAnchors[] = {
    {kLogo, cdxCDynamicWnd::AnchorFixed, cdxCDynamicWnd::AnchorFixed},
    {kEncryptButton, cdxCDynamicWnd::AnchorHalf, cdxCDynamicWnd::AnchorFixed},
    {kDecryptButton, cdxCDynamicWnd::AnchorHalf, cdxCDynamicWnd::AnchorFixed},
    {kCopyAllButton, cdxCDynamicWnd::AnchorHalf, cdxCDynamicWnd::AnchorFixed},
    {kPasteButton, cdxCDynamicWnd::AnchorHalf, cdxCDynamicWnd::AnchorFixed},
    {kClearButton, cdxCDynamicWnd::AnchorHalf, cdxCDynamicWnd::AnchorFixed},
    {kTextBox, cdxCDynamicWnd::AnchorStretch, cdxCDynamicWnd::AnchorStretch},
    {kHint, cdxCDynamicWnd::AnchorStretch, cdxCDynamicWnd::AnchorMove},
    {IDOK, cdxCDynamicWnd::AnchorMove, cdxCDynamicWnd::AnchorMove},
};

void SetDlgItemEnabled(const QWidget& dialog, int id, bool enabled) {
    if (QWidget* control = GetDlgItem(dialog, id)) {
        control->setEnabled(enabled);
    }
}

// A file manager may offer to move; the files are only read, so never let it delete them.
void AcceptAsCopy(QDropEvent& event) {
    if (event.possibleActions() & Qt::CopyAction) {
        event.setDropAction(Qt::CopyAction);
        event.accept();
    } else {
        event.acceptProposedAction();
    }
}

} // namespace

CQMXReaderDlg::CQMXReaderDlg(QWidget* parent)
    : cdxCDynamicDialog(kMainDialogTemplate, parent), m_passwordPrompt(PromptForPassword),
      m_runFileJobs(RunFileJobs) {
    BuildDialogFromTemplate(*this, kMainDialogTemplate);
    // The template has no sizing border; the size grip resizes the window anyway.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_ctlText = GetDlgItemAs<QPlainTextEdit>(*this, kTextBox);
    ConnectCommands();
}

CQMXReaderDlg::~CQMXReaderDlg() = default;

void CQMXReaderDlg::SetFileJobRunner(FileJobRunner runner) {
    m_runFileJobs = std::move(runner);
}

void CQMXReaderDlg::ConnectCommands() {
    static constexpr ButtonCommand kButtonCommands[] = {
        {kCopyAllButton, &CQMXReaderDlg::OnBnClickedCopyAll},
        {kPasteButton, &CQMXReaderDlg::OnBnClickedPaste},
        {kClearButton, &CQMXReaderDlg::OnBnClickedClear},
        {kEncryptButton, &CQMXReaderDlg::EncryptMessage},
        {kDecryptButton, &CQMXReaderDlg::DecryptMessage},
        {kTestButton, &CQMXReaderDlg::DecryptMessage},
        {IDOK, &CQMXReaderDlg::OnBnClickedExit},
    };
    for (const ButtonCommand& command : kButtonCommands) {
        if (auto* button = GetDlgItemAs<QPushButton>(*this, command.id)) {
            connect(button, &QPushButton::clicked, this, command.handler);
        }
    }
    if (m_ctlText != nullptr) {
        // Made first: it hears of each change before the box's textChanged.
        m_armourMarker = new ArmourMarkerTracker(*m_ctlText->document());
        connect(m_ctlText, &QPlainTextEdit::textChanged, this, &CQMXReaderDlg::OnEnChangeText);
    }
    // The window menu belongs to the window manager here; F1 and the context menu open About.
    auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(about, &QShortcut::activated, this, &CQMXReaderDlg::OnAboutBox);
}

void CQMXReaderDlg::OnInitDialog() {
    cdxCDynamicDialog::OnInitDialog();
    setWindowIcon(LoadIconGroup(kProgramIcon));
    InitTextBox();
    UpdateData(false);
    OnEnChangeText();
    AnchorControls();
    // Only the size of a remembered placement is kept: every start is centred.
    CenterWindow(*this);
}

void CQMXReaderDlg::InitTextBox() {
    if (m_ctlText == nullptr) {
        return;
    }
    m_ctlText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_ctlText->setMaximumBlockCount(0);
    // As in a dialog's multi-line edit box, Tab moves on to the buttons.
    m_ctlText->setTabChangesFocus(true);
    m_ctlText->installEventFilter(this);
    m_ctlText->viewport()->installEventFilter(this);
    m_ctlText->setFocus();
}

void CQMXReaderDlg::AnchorControls() {
    for (const ControlAnchor& anchor : kAnchors) {
        AnchorControl(GetDlgItem(*this, anchor.id), anchor.horizontal, anchor.vertical);
    }
}

void CQMXReaderDlg::UpdateData(bool saveAndValidate) {
    if (m_ctlText == nullptr) {
        return;
    }
    if (saveAndValidate) {
        m_strText = TextBoxContents(*m_ctlText);
    } else {
        SetTextBoxContents(*m_ctlText, m_strText);
    }
}

// The buttons follow the box itself: a keystroke in a long text copies nothing.
void CQMXReaderDlg::OnEnChangeText() {
    const bool hasText = m_ctlText != nullptr && !m_ctlText->document()->isEmpty();
    const bool hasArmour = hasText && m_armourMarker != nullptr && m_armourMarker->Present();
    SetDlgItemEnabled(*this, kEncryptButton, hasText);
    SetDlgItemEnabled(*this, kDecryptButton, hasArmour);
    SetDlgItemEnabled(*this, kCopyAllButton, hasText);
    SetDlgItemEnabled(*this, kClearButton, hasText);
}

void CQMXReaderDlg::OnBnClickedCopyAll() {
    if (m_ctlText == nullptr) {
        return;
    }
    const TextSelection selection = TextSelection::Of(*m_ctlText);
    if (!selection.IsEmpty()) {
        m_ctlText->copy();
        return;
    }
    m_ctlText->selectAll();
    m_ctlText->copy();
    selection.RestoreTo(*m_ctlText);
}

void CQMXReaderDlg::OnBnClickedPaste() {
    const QMimeData* offered = QApplication::clipboard()->mimeData();
    if (m_ctlText == nullptr || offered == nullptr || !offered->hasText()) {
        return;
    }
    m_ctlText->setFocus();
    m_ctlText->paste();
}

void CQMXReaderDlg::OnBnClickedClear() {
    if (m_ctlText != nullptr) {
        m_ctlText->setFocus();
    }
    m_strText.clear();
    UpdateData(false);
    OnEnChangeText();
}

void CQMXReaderDlg::OnSelectAll() {
    if (m_ctlText != nullptr) {
        m_ctlText->selectAll();
    }
}

void CQMXReaderDlg::OnBnClickedExit() {
    UpdateData(true);
    accept();
}

void CQMXReaderDlg::reject() {
    OnBnClickedCancel();
}

void CQMXReaderDlg::OnBnClickedCancel() {
    QMessageBox question(QMessageBox::Question, ApplicationTitle(), LoadUiText(kExitQuestion),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    if (question.exec() != QMessageBox::No) {
        cdxCDynamicDialog::reject();
    }
}

void CQMXReaderDlg::OnContextMenu(const QContextMenuEvent& event) {
    const MenuTemplate* menuTemplate = FindMenuTemplate(kContextMenu);
    if (menuTemplate == nullptr) {
        return;
    }
    QMenu menu(this);
    AddTemplateMenuItems(menu, *menuTemplate);
    const QString aboutText = LoadUiText(kAboutEntryText);
    if (!aboutText.isEmpty()) {
        menu.addSeparator();
        menu.addAction(aboutText)->setData(IDM_ABOUTBOX);
    }
    // At the mouse pointer; from the keyboard's menu key, at the caret, where Qt places it.
    const QPoint position =
        event.reason() == QContextMenuEvent::Mouse ? QCursor::pos() : event.globalPos();
    OnCommand(MenuCommandId(menu.exec(position)));
}

void CQMXReaderDlg::OnCommand(int id) {
    switch (id) {
    case kMenuCopy:
        OnBnClickedCopyAll();
        break;
    case kMenuPaste:
        OnBnClickedPaste();
        break;
    case kMenuSelectAll:
        OnSelectAll();
        break;
    case IDM_ABOUTBOX:
        OnAboutBox();
        break;
    default:
        break;
    }
}

void CQMXReaderDlg::OnAboutBox() {
    CAboutDlg about(this);
    about.exec();
}

bool CQMXReaderDlg::eventFilter(QObject* watched, QEvent* event) {
    const bool onTextBox =
        m_ctlText != nullptr && (watched == m_ctlText || watched == m_ctlText->viewport());
    if (onTextBox && HandleTextBoxEvent(event)) {
        return true;
    }
    return cdxCDynamicDialog::eventFilter(watched, event);
}

// The text box's own menu gives way to the window's; dropped files go to the window, while
// dragged text is still the text box's.
bool CQMXReaderDlg::HandleTextBoxEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::ContextMenu:
        OnContextMenu(*static_cast<QContextMenuEvent*>(event));
        return true;
    case QEvent::DragEnter:
        dragEnterEvent(static_cast<QDragEnterEvent*>(event));
        return event->isAccepted();
    case QEvent::DragMove:
        dragMoveEvent(static_cast<QDragMoveEvent*>(event));
        return event->isAccepted();
    case QEvent::Drop:
        dropEvent(static_cast<QDropEvent*>(event));
        return event->isAccepted();
    default:
        return false;
    }
}

void CQMXReaderDlg::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void CQMXReaderDlg::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) {
        AcceptAsCopy(*event);
    } else {
        event->ignore();
    }
}

void CQMXReaderDlg::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    AcceptAsCopy(*event);
    OnDropFiles(*event->mimeData());
}

void CQMXReaderDlg::OnDropFiles(const QMimeData& drop) {
    DroppedLocations dropped = SortDroppedLocations(drop.urls());
    if (dropped.IsEmpty()) {
        return;
    }
    // The drag source waits for the drop to finish: the batch runs after it, not inside it.
    QTimer::singleShot(0, this,
                       [this, dropped = std::move(dropped)] { TakeDroppedLocations(dropped); });
}

void CQMXReaderDlg::TakeDroppedLocations(const DroppedLocations& dropped) {
    raise();
    activateWindow();
    if (!dropped.otherLocations.isEmpty()) {
        const QString leadIn = LoadUiText(kNotLocalFilesText);
        const QString list = dropped.otherLocations.join(u'\n');
        QMessageBox box(QMessageBox::Warning, ApplicationTitle(),
                        leadIn.isEmpty() ? list : leadIn + QStringLiteral("\n\n") + list,
                        QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    if (!dropped.localFiles.isEmpty() && m_runFileJobs) {
        m_runFileJobs(this, dropped.localFiles, m_passwordPrompt);
    }
}
