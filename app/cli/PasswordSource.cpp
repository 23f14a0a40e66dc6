#include "PasswordSource.h"

#include "Console.h"
#include "ExitStatus.h"
#include "TerminalPrompt.h"
#include "crypto/WipedBuffer.h"
#include "platform/AnsiCodePage.h"
#include "platform/CodePageConversion.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The first line is read into room reserved up front, so nothing is copied.
constexpr std::size_t kLongestFileLine = 65536;

bool ReadFirstLine(int fd, SecretText& line) {
    line.Text().reserve(kLongestFileLine);
    std::array<char, 4096> buffer{};
    bool ok = true;
    for (;;) {
        const ssize_t count = read(fd, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            ok = count == 0;
            break;
        }
        const std::string_view piece(buffer.data(), static_cast<std::size_t>(count));
        const std::size_t end = piece.find('\n');
        const std::size_t room = kLongestFileLine - line.View().size();
        line.Text().append(piece.substr(0, std::min({end, piece.size(), room})));
        if (end != std::string_view::npos || line.View().size() == kLongestFileLine) {
            break;
        }
    }
    WipeMemory(buffer.data(), buffer.size());
    if (!line.Empty() && line.View().back() == '\r') {
        line.Text().pop_back();
    }
    return ok;
}

} // namespace

int PasswordSource::Get(const SecretText*& password) {
    if (!password_) {
        SecretText utf8;
        if (const int status = Fetch(utf8); status != kExitSuccess) {
            return status;
        }
        std::optional<std::string> converted = Utf8ToCodePage(utf8.View(), UserAnsiCodePage());
        if (!converted) {
            ShowError("qmx: the password cannot be converted to the code page of this locale");
            return ExitStatusFor(RC_FAILED);
        }
        password_.emplace(std::move(*converted));
    }
    password = &*password_;
    return kExitSuccess;
}

int PasswordSource::Fetch(SecretText& utf8) {
    const int status = passwordFile_ ? FromFile(utf8) : FromTerminal(utf8);
    if (status == kExitSuccess && utf8.Empty()) {
        ShowError("qmx: the password is empty");
        return kExitUsage;
    }
    return status;
}

int PasswordSource::FromFile(SecretText& utf8) {
    const int fd = open(passwordFile_->c_str(), O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && ReadFirstLine(fd, utf8);
    const int error = errno;
    if (fd >= 0) {
        close(fd);
    }
    if (!ok) {
        ShowError("qmx: cannot read the password file " + *passwordFile_ + ": " +
                  std::strerror(error));
        return kExitUsage;
    }
    return kExitSuccess;
}

int PasswordSource::FromTerminal(SecretText& utf8) {
    std::optional<TerminalPrompt> terminal = TerminalPrompt::Open();
    if (!terminal) {
        ShowError("qmx: no terminal to ask for the password on; give it with --password-file");
        return kExitUsage;
    }
    const bool confirm = use_ == PasswordUse::Encrypt;
    SecretText again;
    for (;;) {
        if (!terminal->AskHidden(confirm ? "Password to encrypt with: " : "Password: ", utf8)) {
            return ExitStatusFor(RC_CANCELLED);
        }
        if (utf8.Empty()) {
            terminal->Say("The password must not be empty.\n");
            continue;
        }
        if (!confirm) {
            return kExitSuccess;
        }
        if (!terminal->AskHidden("Repeat the password: ", again)) {
            return ExitStatusFor(RC_CANCELLED);
        }
        if (again.View() == utf8.View()) {
            return kExitSuccess;
        }
        terminal->Say("The passwords do not match.\n");
    }
}
