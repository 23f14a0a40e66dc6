#include "jobs/AutoResetEvent.h"

#include <utility>

void AutoResetEvent::Set() {
    {
        const std::lock_guard lock(m_mutex);
        m_bSignalled = true;
    }
    m_signal.notify_one();
    if (m_listener) {
        m_listener();
    }
}

bool AutoResetEvent::TryWait() {
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_bSignalled, false);
}

void AutoResetEvent::Wait() {
    std::unique_lock lock(m_mutex);
    m_signal.wait(lock, [this] { return m_bSignalled; });
    m_bSignalled = false;
}

void AutoResetEvent::SetListener(std::function<void()> listener) {
    m_listener = std::move(listener);
}
