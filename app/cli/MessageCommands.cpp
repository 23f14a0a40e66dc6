#include "MessageCommands.h"

#include "CancelSignal.h"
#include "Console.h"
#include "ExitStatus.h"
#include "PasswordSource.h"
#include "container/Armour.h"
#include "container/OpenMessage.h"
#include "container/SealMessage.h"
#include "resources/ComposeResultMessage.h"
#include "resources/LoadText.h"

namespace {

constexpr std::uint32_t kDecryptLeadIn = 120;
constexpr std::uint32_t kArmourComment = 123;
constexpr std::uint32_t kViewerNotice = 124;
constexpr std::uint32_t kEncryptLeadIn = 138;

int Failed(std::uint32_t leadInId, ResultCode code) {
    ShowError(ComposeResultMessage(LoadText(leadInId), code));
    return ExitStatusFor(code);
}

// 0 with the text; otherwise the exit status.
int ReadText(SecretText& text) {
    switch (ReadStandardInput(text)) {
    case ReadOutcome::Complete:
        return kExitSuccess;
    case ReadOutcome::Cancelled:
        return ExitStatusFor(RC_CANCELLED);
    case ReadOutcome::Failed:
        break;
    }
    ShowError("qmx: cannot read standard input");
    return ExitStatusFor(RC_FAILED);
}

int WriteResult(std::string_view bytes) {
    if (CancelRequested()) {
        return ExitStatusFor(RC_CANCELLED);
    }
    if (!WriteStandardOutput(bytes)) {
        ShowError("qmx: cannot write standard output");
        return ExitStatusFor(RC_FAILED);
    }
    return kExitSuccess;
}

} // namespace

int RunEncryptMessage(const CommandLine& line) {
    SecretText text;
    if (const int status = ReadText(text); status != kExitSuccess) {
        return status;
    }
    if (text.Empty()) {
        return kExitSuccess; // as the window: nothing to encrypt, nothing happens
    }
    PasswordSource passwords(line.passwordFile, PasswordUse::Encrypt);
    const SecretText* password = nullptr;
    if (const int status = passwords.Get(password); status != kExitSuccess) {
        return status;
    }
    std::string armour;
    const ResultCode code =
        SealMessage(text.View(), password->Bytes(), line.viewer, LoadText(kArmourComment), armour);
    return code == RC_OK ? WriteResult(armour) : Failed(kEncryptLeadIn, code);
}

int RunDecryptMessage(const CommandLine& line) {
    SecretText text;
    if (const int status = ReadText(text); status != kExitSuccess) {
        return status;
    }
    // The window offers Decrypt only for such a text: no password is asked.
    if (!HasArmourMarker(text.View())) {
        return Failed(kDecryptLeadIn, RC_BAD_FORMAT);
    }
    PasswordSource passwords(line.passwordFile, PasswordUse::Decrypt);
    const SecretText* password = nullptr;
    if (const int status = passwords.Get(password); status != kExitSuccess) {
        return status;
    }
    OpenedMessage opened;
    const ResultCode code = OpenMessage(text.View(), password->Bytes(), opened);
    const SecretText plain(std::move(opened.text));
    if (code != RC_OK) {
        return Failed(kDecryptLeadIn, code);
    }
    if (opened.forceViewer) {
        ShowError(LoadText(kViewerNotice));
        return kExitViewerRequired;
    }
    return WriteResult(plain.View());
}
