#pragma once
// Questions asked on the controlling terminal (/dev/tty), answers typed
// without echo, so that a password never shows and standard input stays free
// for the text of a message. The terminal's settings are restored after each.

#include "SecretText.h"

#include <optional>
#include <string_view>

class TerminalPrompt {
public:
    // Nothing when the process has no controlling terminal.
    [[nodiscard]] static std::optional<TerminalPrompt> Open();
    ~TerminalPrompt();
    TerminalPrompt(TerminalPrompt&& other) noexcept;
    TerminalPrompt& operator=(TerminalPrompt&&) = delete;
    TerminalPrompt(const TerminalPrompt&) = delete;
    TerminalPrompt& operator=(const TerminalPrompt&) = delete;

    // The line typed after the prompt, without its line end; false when the
    // input ends or Ctrl+C interrupts it.
    [[nodiscard]] bool AskHidden(std::string_view prompt, SecretText& answer);
    void Say(std::string_view text);

private:
    explicit TerminalPrompt(int fd) : fd_(fd) {}
    [[nodiscard]] bool ReadLine(SecretText& answer);

    int fd_;
};
