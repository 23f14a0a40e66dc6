#include "FileCommands.h"

#include "CancelSignal.h"
#include "Console.h"
#include "ExitStatus.h"
#include "OutputNames.h"
#include "PasswordSource.h"
#include "ProgressLine.h"
#include "container/DecryptFile.h"
#include "container/EncryptFile.h"
#include "container/VerifyFile.h"
#include "platform/PathQueries.h"
#include "resources/ComposeResultMessage.h"
#include "resources/FormatText.h"
#include "resources/LoadText.h"

namespace {

constexpr std::uint32_t kFolderRefused = 106;
constexpr std::uint32_t kDecryptLeadIn = 127;
constexpr std::uint32_t kEncryptLeadIn = 128;
constexpr std::uint32_t kEncryptingStatus = 139;
constexpr std::uint32_t kDecryptingStatus = 140;

// A folder has no result code of its own; it is not a file argument.
constexpr ResultCode kFolderCode = RC_BAD_ARGUMENT;

struct FileOutcome {
    int status;
    bool endsRun;
};

bool Encrypting(const CommandLine& line) {
    return line.command == Command::Encrypt;
}

std::string OutputFor(const CommandLine& line, const std::string& source) {
    if (line.output) {
        return *line.output;
    }
    return Encrypting(line) ? EncryptedOutputPath(source)
                            : DecryptedOutputPath(source).value_or(std::string{});
}

FileOutcome Failed(std::string_view leadIn, ResultCode code) {
    ShowError(ComposeResultMessage(leadIn, code));
    return {ExitStatusFor(code), false};
}

ResultCode RunJob(const CommandLine& line, const std::string& source, const std::string& output,
                  const SecretText& password) {
    ProgressLine progress(LoadText(Encrypting(line) ? kEncryptingStatus : kDecryptingStatus),
                          source);
    const ResultCode code = Encrypting(line)
                                ? EncryptFile(source, output, &password.String(), progress)
                                : DecryptFile(source, output, &password.String(), progress);
    progress.Finish();
    return code;
}

FileOutcome ProcessFile(const CommandLine& line, const std::string& source,
                        PasswordSource& passwords) {
    if (IsFolder(source)) {
        ShowError(LoadText(kFolderRefused));
        return {ExitStatusFor(kFolderCode), false};
    }
    const std::string leadIn =
        FormatText(LoadText(Encrypting(line) ? kEncryptLeadIn : kDecryptLeadIn), source);
    if (line.command == Command::Verify) {
        const ResultCode code = VerifyFile(source);
        return code == RC_OK ? FileOutcome{kExitSuccess, false} : Failed(leadIn, code);
    }
    const std::string output = OutputFor(line, source);
    if (!line.force && PathExists(output)) {
        return Failed(leadIn, RC_OUTPUT_FAILED);
    }
    const SecretText* password = nullptr;
    if (const int status = passwords.Get(password); status != kExitSuccess) {
        return {status, true};
    }
    const ResultCode code = RunJob(line, source, output, *password);
    if (code == RC_CANCELLED) {
        return {ExitStatusFor(code), true};
    }
    return code == RC_OK ? FileOutcome{kExitSuccess, false} : Failed(leadIn, code);
}

} // namespace

int RunFileCommand(const CommandLine& line) {
    PasswordSource passwords(line.passwordFile,
                             Encrypting(line) ? PasswordUse::Encrypt : PasswordUse::Decrypt);
    int firstFailure = kExitSuccess;
    for (const std::string& source : line.files) {
        if (CancelRequested()) {
            return ExitStatusFor(RC_CANCELLED);
        }
        const FileOutcome outcome = ProcessFile(line, source, passwords);
        if (outcome.endsRun) {
            return outcome.status;
        }
        if (firstFailure == kExitSuccess) {
            firstFailure = outcome.status;
        }
    }
    return firstFailure;
}
