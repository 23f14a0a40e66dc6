#include "Qmx.h"

#include "CancelSignal.h"
#include "CommandLine.h"
#include "Console.h"
#include "ExitStatus.h"
#include "FileCommands.h"
#include "MessageCommands.h"
#include "Usage.h"
#include "resources/StartupLanguage.h"

#include <string_view>
#include <vector>

namespace {

int RunCommand(const CommandLine& line) {
    switch (line.command) {
    case Command::Help:
        return WriteStandardOutput(UsageText()) ? kExitSuccess : ExitStatusFor(RC_FAILED);
    case Command::Version:
        return WriteStandardOutput(VersionText()) ? kExitSuccess : ExitStatusFor(RC_FAILED);
    case Command::EncryptMessage:
        return RunEncryptMessage(line);
    case Command::DecryptMessage:
        return RunDecryptMessage(line);
    case Command::Encrypt:
    case Command::Decrypt:
    case Command::Verify:
        break;
    }
    return RunFileCommand(line);
}

} // namespace

int RunQmx(int argc, char** argv) {
    // The language the window would start in, so that both speak alike.
    (void)ApplyStartupLanguage();
    InstallCancelSignal();
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.commandLine) {
        ShowError("qmx: " + parsed.error);
        ShowError(UsageHint());
        return kExitUsage;
    }
    return RunCommand(*parsed.commandLine);
}
