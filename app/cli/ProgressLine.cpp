#include "ProgressLine.h"

#include "CancelSignal.h"
#include "container/ResultCode.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr std::string_view kEllipsis = "...";

std::size_t TerminalWidth() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    return 80;
}

// Keeps the end of a long name, where the file name itself stands. Counts
// bytes, so a name with wide characters is cut a little early, never late.
std::string FittedName(std::string_view name, std::size_t room) {
    if (name.size() <= room) {
        return std::string(name);
    }
    if (room <= kEllipsis.size()) {
        return std::string(kEllipsis.substr(0, room));
    }
    std::size_t start = name.size() - (room - kEllipsis.size());
    while (start < name.size() && (static_cast<unsigned char>(name[start]) & 0xC0) == 0x80) {
        ++start;
    }
    return std::string(kEllipsis) + std::string(name.substr(start));
}

void WriteToError(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(STDERR_FILENO, text.data(), text.size());
        if (written <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

ProgressLine::ProgressLine(std::string_view status, std::string_view fileName)
    : status_(status), fileName_(fileName), visible_(isatty(STDERR_FILENO) == 1) {
    Draw(0);
}

std::uint32_t ProgressLine::ReportProgress(std::uint32_t total, std::uint32_t done) {
    if (CancelRequested()) {
        return RC_CANCELLED;
    }
    const std::uint64_t percent = total == 0 ? 0 : std::uint64_t{done} * 100 / total;
    Draw(static_cast<unsigned>(percent > 100 ? 100 : percent));
    return RC_OK;
}

void ProgressLine::Finish() {
    if (visible_ && !finished_) {
        WriteToError("\n");
    }
    finished_ = true;
}

void ProgressLine::Draw(unsigned percent) {
    if (!visible_ || finished_ || static_cast<int>(percent) == shownPercent_) {
        return;
    }
    shownPercent_ = static_cast<int>(percent);
    const std::string tail = " " + std::to_string(percent) + "%";
    // One column spare, so the terminal never wraps the line.
    const std::size_t width = TerminalWidth() - 1;
    const std::size_t fixed = status_.size() + 1 + tail.size();
    const std::string name = FittedName(fileName_, width > fixed ? width - fixed : 0);
    // Back to the line's start, the new text, then clear what an older one left.
    WriteToError("\r" + status_ + " " + name + tail + "\033[K");
}
