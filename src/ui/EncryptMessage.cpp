// Encrypt (1008): the whole text of the box replaced by its armoured message.

#include "container/SealMessage.h"
#include "resources/LoadText.h"
#include "ui/CQMXReaderDlg.h"
#include "ui/LoadUiText.h"
#include "ui/PromptForPassword.h"
#include "ui/ScopedWipe.h"
#include "ui/ShowResultMessage.h"
#include "ui/TextBoxContents.h"
#include "ui/TextSelection.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <span>

namespace {

constexpr std::uint32_t kEncryptPrompt = 118;
constexpr std::uint32_t kEncryptFailed = 138;
constexpr std::uint32_t kArmourComment = 123;

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

void CQMXReaderDlg::EncryptMessage() {
    if (m_ctlText == nullptr || m_ctlText->document()->isEmpty()) {
        return;
    }
    const TextSelection selection = TextSelection::Of(*m_ctlText);
    std::string password;
    const ScopedWipe wipePassword(password);
    bool forceViewer = false;
    // An empty password would lock the text under no secret at all: treated as a cancel.
    if (!PromptForPassword(this, password, true, &forceViewer, LoadUiText(kEncryptPrompt)) ||
        password.empty()) {
        selection.RestoreTo(*m_ctlText);
        return;
    }
    UpdateData(true);
    QByteArray utf8 = m_strText.toUtf8();
    const ScopedWipe wipeText(utf8);
    if (utf8.isEmpty()) {
        return;
    }
    std::string armour;
    const ResultCode result =
        SealMessage(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                    Bytes(password), forceViewer, LoadText(kArmourComment), armour);
    if (result != RC_OK) {
        ShowResultMessage(this, LoadUiText(kEncryptFailed), result);
        return;
    }
    m_strText = QString::fromStdString(armour);
    UpdateData(false);
    OnEnChangeText();
}
