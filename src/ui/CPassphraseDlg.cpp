#include "ui/CPassphraseDlg.h"

#include "crypto/WipedBuffer.h"
#include "layout/TemplateFont.h"
#include "platform/CodePageConversion.h"
#include "resources/ActiveLanguage.h"
#include "resources/ControlIds.h"

#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <utility>

namespace {

constexpr std::uint16_t IDD_PASSPHRASE = 131;
constexpr int IDC_PASSWORD = 1002;
constexpr int IDC_PROMPT = 1003;
constexpr int IDC_CONFIRM = 1008;
constexpr int IDC_SHOW_TYPING = 1009;
constexpr int IDC_FORCE_VIEWER = 1016;
constexpr int IDC_CONFIRM_LABEL = 1020;
constexpr DialogFont kEditFont{"MS Shell Dlg", 10};

void Wipe(QString& text) {
    text.fill(QChar(0));
    text.clear();
}

void Wipe(QByteArray& bytes) {
    bytes.fill('\0');
    bytes.clear();
}

void WipeBytes(std::string& bytes) {
    WipeMemory(bytes.data(), bytes.size());
    bytes.clear();
}

} // namespace

CPassphraseDlg::CPassphraseDlg(std::string* password, bool confirm, bool* forceViewer,
                               const QString& prompt, QWidget* parent)
    : CTemplateDialog(IDD_PASSPHRASE, parent), m_pPassword(password), m_bConfirm(confirm),
      m_pForceViewer(forceViewer), m_strPrompt(prompt),
      m_ctlPassword(ControlAs<QLineEdit>(IDC_PASSWORD)),
      m_ctlConfirm(ControlAs<QLineEdit>(IDC_CONFIRM)), m_ctlPrompt(ControlAs<QLabel>(IDC_PROMPT)),
      m_ctlConfirmLabel(ControlAs<QLabel>(IDC_CONFIRM_LABEL)),
      m_btnShowTyping(ControlAs<QCheckBox>(IDC_SHOW_TYPING)),
      m_btnForceViewer(ControlAs<QCheckBox>(IDC_FORCE_VIEWER)),
      m_btnOK(ControlAs<QPushButton>(IDOK)) {
    for (QLineEdit* edit : {m_ctlPassword, m_ctlConfirm}) {
        if (edit) {
            connect(edit, &QLineEdit::textChanged, this, &CPassphraseDlg::OnEnChangePassword);
        }
    }
    if (m_btnShowTyping) {
        connect(m_btnShowTyping, &QCheckBox::clicked, this, &CPassphraseDlg::OnBnClickedShowTyping);
    }
    if (m_btnOK) {
        connect(m_btnOK, &QPushButton::clicked, this, &CPassphraseDlg::accept);
    }
    if (auto* cancel = ControlAs<QPushButton>(IDCANCEL)) {
        connect(cancel, &QPushButton::clicked, this, &CPassphraseDlg::reject);
    }
}

CPassphraseDlg::~CPassphraseDlg() {
    ForgetTypedText();
}

void CPassphraseDlg::showEvent(QShowEvent* event) {
    if (!std::exchange(m_bInitialised, true)) {
        OnInitDialog();
    }
    CTemplateDialog::showEvent(event);
}

void CPassphraseDlg::OnInitDialog() {
    UpdateData(false);
    m_fontEdit = ResolveTemplateFont(kEditFont, ActiveLanguage());
    for (QLineEdit* edit : {m_ctlPassword, m_ctlConfirm}) {
        if (edit) {
            edit->setFont(m_fontEdit);
        }
    }
    if (m_ctlPassword) {
        m_ctlPassword->setFocus();
    }
    if (m_btnOK) {
        m_btnOK->setEnabled(false);
    }
    if (!m_bConfirm) {
        for (QWidget* control :
             {static_cast<QWidget*>(m_ctlConfirm), static_cast<QWidget*>(m_ctlConfirmLabel)}) {
            if (control) {
                control->hide();
            }
        }
    }
    if (m_btnForceViewer) {
        m_btnForceViewer->setVisible(m_pForceViewer != nullptr);
        m_btnForceViewer->setChecked(m_pForceViewer != nullptr && *m_pForceViewer);
    }
}

void CPassphraseDlg::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        m_strPassword = m_ctlPassword ? m_ctlPassword->text() : QString();
        m_strConfirm = m_ctlConfirm ? m_ctlConfirm->text() : QString();
        m_bShowTyping = m_btnShowTyping && m_btnShowTyping->isChecked();
        return;
    }
    if (m_ctlPassword) {
        m_ctlPassword->setText(m_strPassword);
    }
    if (m_ctlConfirm) {
        m_ctlConfirm->setText(m_strConfirm);
    }
    if (m_ctlPrompt) {
        m_ctlPrompt->setText(m_strPrompt);
    }
    if (m_btnShowTyping) {
        m_btnShowTyping->setChecked(m_bShowTyping);
    }
}

bool CPassphraseDlg::IsPasswordAcceptable() const {
    return !m_strPassword.isEmpty() && (!m_bConfirm || m_strConfirm == m_strPassword);
}

void CPassphraseDlg::OnEnChangePassword() {
    UpdateData(true);
    if (m_btnOK) {
        m_btnOK->setEnabled(IsPasswordAcceptable());
    }
}

void CPassphraseDlg::OnBnClickedShowTyping() {
    UpdateData(true);
    // Also the hidden confirmation field, so both stay in step with the check box.
    const QLineEdit::EchoMode mode = m_bShowTyping ? QLineEdit::Normal : QLineEdit::Password;
    for (QLineEdit* edit : {m_ctlPassword, m_ctlConfirm}) {
        if (edit) {
            edit->setEchoMode(mode);
            edit->repaint();
        }
    }
}

std::optional<std::string> CPassphraseDlg::ToCodePageBytes(const QString& text) const {
    QByteArray utf8 = text.toUtf8();
    std::optional<std::string> bytes = Utf8ToUserAnsiCodePage(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    Wipe(utf8);
    return bytes;
}

void CPassphraseDlg::accept() {
    UpdateData(true);
    if (!IsPasswordAcceptable()) {
        return;
    }
    if (m_pPassword) {
        std::optional<std::string> bytes = ToCodePageBytes(m_strPassword);
        if (!bytes) {
            // The dialog stays open: a failed conversion is never handed on as a password.
            QApplication::beep();
            if (m_ctlPassword) {
                m_ctlPassword->setFocus();
                m_ctlPassword->selectAll();
            }
            return;
        }
        m_pPassword->assign(*bytes);
        WipeBytes(*bytes);
    }
    if (m_pForceViewer) {
        *m_pForceViewer = m_btnForceViewer && m_btnForceViewer->isChecked();
    }
    CTemplateDialog::accept();
}

void CPassphraseDlg::done(int result) {
    CTemplateDialog::done(result);
    ForgetTypedText();
}

// The edits let go of their text first, so the members' buffers are no longer shared and are
// overwritten in place.
void CPassphraseDlg::ForgetTypedText() {
    for (QLineEdit* edit : {m_ctlPassword, m_ctlConfirm}) {
        if (edit) {
            const QSignalBlocker blocker(edit);
            edit->setText(QString()); // also drops the undo history
        }
    }
    Wipe(m_strPassword);
    Wipe(m_strConfirm);
    if (m_btnOK) {
        m_btnOK->setEnabled(false);
    }
}
