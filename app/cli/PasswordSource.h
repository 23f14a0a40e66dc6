#pragma once
// The one password of a run, fetched when first needed: the first line of the
// password file (UTF-8, without its CR LF or LF), or asked on the terminal
// without echo, twice when encrypting. Handed out as the bytes of the user's
// Windows ANSI code page, which is what opens containers made on Windows.

#include "SecretText.h"

#include <optional>
#include <string>

enum class PasswordUse { Encrypt, Decrypt };

class PasswordSource {
public:
    PasswordSource(std::optional<std::string> passwordFile, PasswordUse use)
        : passwordFile_(std::move(passwordFile)), use_(use) {}

    // 0 with the password; otherwise the exit status, the reason already shown:
    // 64 (no terminal and no file, an unreadable file, an empty password) or
    // 20 (the question was cancelled).
    [[nodiscard]] int Get(const SecretText*& password);

private:
    [[nodiscard]] int Fetch(SecretText& utf8);
    [[nodiscard]] int FromFile(SecretText& utf8);
    [[nodiscard]] int FromTerminal(SecretText& utf8);

    std::optional<std::string> passwordFile_;
    PasswordUse use_;
    std::optional<SecretText> password_;
};
