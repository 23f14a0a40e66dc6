#include "TerminalPrompt.h"

#include "CancelSignal.h"

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Longer lines are cut: the answer never reallocates, so no copy is left.
constexpr std::size_t kLongestAnswer = 4096;

class EchoOff {
public:
    explicit EchoOff(int fd) : fd_(fd) {
        active_ = tcgetattr(fd_, &saved_) == 0;
        if (active_) {
            termios quiet = saved_;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            quiet.c_lflag |= ECHONL;
            active_ = tcsetattr(fd_, TCSAFLUSH, &quiet) == 0;
        }
    }
    ~EchoOff() {
        if (active_) {
            tcsetattr(fd_, TCSAFLUSH, &saved_);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int fd_;
    termios saved_{};
    bool active_ = false;
};

} // namespace

std::optional<TerminalPrompt> TerminalPrompt::Open() {
    const int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    return TerminalPrompt(fd);
}

TerminalPrompt::~TerminalPrompt() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

TerminalPrompt::TerminalPrompt(TerminalPrompt&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

bool TerminalPrompt::AskHidden(std::string_view prompt, SecretText& answer) {
    Say(prompt);
    bool answered = false;
    {
        const EchoOff echoOff(fd_);
        answered = ReadLine(answer);
    }
    if (!answered) {
        Say("\n");
    }
    return answered;
}

void TerminalPrompt::Say(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd_, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

bool TerminalPrompt::ReadLine(SecretText& answer) {
    answer.Wipe();
    answer.Text().reserve(kLongestAnswer);
    for (;;) {
        char c = 0;
        const ssize_t count = read(fd_, &c, 1);
        if (count < 0 && errno == EINTR && !CancelRequested()) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        if (c == '\n') {
            if (!answer.Empty() && answer.View().back() == '\r') {
                answer.Text().pop_back();
            }
            return true;
        }
        if (answer.View().size() < kLongestAnswer) {
            answer.Text().push_back(c);
        }
    }
}
