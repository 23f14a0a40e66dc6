#include "CancelSignal.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> cancelRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

void OnInterrupt(int) {
    cancelRequested.store(true);
}

} // namespace

void InstallCancelSignal() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read waiting at the terminal or on standard input
    // returns, so the tool can restore the terminal and stop.
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    sigaction(SIGINT, &action, nullptr);
}

bool CancelRequested() {
    return cancelRequested.load();
}
