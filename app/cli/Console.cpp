#include "Console.h"

#include "CancelSignal.h"
#include "crypto/WipedBuffer.h"

#include <array>
#include <cerrno>
#include <unistd.h>

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Doubles the room itself, so that every released buffer is wiped first.
void AppendSecret(SecretText& text, std::string_view piece) {
    std::string& bytes = text.Text();
    if (bytes.size() + piece.size() > bytes.capacity()) {
        std::string larger;
        larger.reserve(2 * (bytes.size() + piece.size()));
        larger.append(bytes);
        text = SecretText(std::move(larger));
    }
    text.Text().append(piece);
}

} // namespace

ReadOutcome ReadStandardInput(SecretText& text) {
    std::array<char, 65536> buffer{};
    ReadOutcome outcome = ReadOutcome::Complete;
    for (;;) {
        const ssize_t count = read(STDIN_FILENO, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR && !CancelRequested()) {
            continue;
        }
        if (count <= 0) {
            outcome = count == 0
                          ? ReadOutcome::Complete
                          : (CancelRequested() ? ReadOutcome::Cancelled : ReadOutcome::Failed);
            break;
        }
        AppendSecret(text, std::string_view(buffer.data(), static_cast<std::size_t>(count)));
    }
    WipeMemory(buffer.data(), buffer.size());
    return outcome;
}

bool WriteStandardOutput(std::string_view bytes) {
    return WriteAll(STDOUT_FILENO, bytes);
}

void ShowError(std::string_view text) {
    (void)WriteAll(STDERR_FILENO, text);
    if (text.empty() || text.back() != '\n') {
        (void)WriteAll(STDERR_FILENO, "\n");
    }
}
