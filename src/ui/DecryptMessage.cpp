// Decrypt (1007, and the hidden 1002): the first armoured message of the box opened, its plain
// text put in the box or, when its sender asked for it, shown in the viewer only.

#include "container/OpenMessage.h"
#include "ui/AppTitle.h"
#include "ui/CQMXReaderDlg.h"
#include "ui/CViewerDlg.h"
#include "ui/CWorkingDlg.h"
#include "ui/LoadUiText.h"
#include "ui/PromptForPassword.h"
#include "ui/ScopedWipe.h"
#include "ui/ShowResultMessage.h"
#include "ui/TextSelection.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <span>

namespace {

constexpr std::uint32_t kDecryptPrompt = 117;
constexpr std::uint32_t kDecryptingMessage = 119;
constexpr std::uint32_t kDecryptFailed = 120;
constexpr std::uint32_t kForceViewerNotice = 124;

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

void ShowForceViewerNotice(QWidget* parent) {
    QMessageBox notice(QMessageBox::Warning, ApplicationTitle(), LoadUiText(kForceViewerNotice),
                       QMessageBox::Ok, parent);
    notice.exec();
}

} // namespace

void CQMXReaderDlg::DecryptMessage() {
    if (m_ctlText == nullptr) {
        return;
    }
    const TextSelection selection = TextSelection::Of(*m_ctlText);
    std::string password;
    const ScopedWipe wipePassword(password);
    if (!PromptForPassword(this, password, false, nullptr, LoadUiText(kDecryptPrompt)) ||
        password.empty()) {
        selection.RestoreTo(*m_ctlText);
        return;
    }
    TextSelection{}.RestoreTo(*m_ctlText);
    CWorkingDlg working(this);
    working.ShowWorking(LoadUiText(kDecryptingMessage));

    UpdateData(true);
    QByteArray utf8 = m_strText.toUtf8();
    const ScopedWipe wipeText(utf8);
    OpenedMessage opened;
    const ScopedWipe wipeOpened(opened.text);
    const ResultCode result =
        OpenMessage(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                    Bytes(password), opened);
    if (result != RC_OK) {
        working.close();
        ShowResultMessage(this, LoadUiText(kDecryptFailed), result);
        selection.RestoreTo(*m_ctlText);
        return;
    }
    QString plainText = QString::fromStdString(opened.text);
    const ScopedWipe wipePlainText(plainText);
    if (opened.forceViewer) {
        working.close();
        ShowForceViewerNotice(this);
        CViewerDlg viewer(plainText, this);
        viewer.exec();
    } else {
        m_strText = plainText;
    }
    UpdateData(false);
    OnEnChangeText();
    working.close();
}
