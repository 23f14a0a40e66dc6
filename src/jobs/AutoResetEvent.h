#pragma once
// An event that stays signalled until one waiter consumes it, as a Win32 auto-reset event:
// several Set calls before a wait collapse into one. A listener, if any, is told of every Set
// on the setting thread, so that an event loop can be woken without polling.

#include <condition_variable>
#include <functional>
#include <mutex>

class AutoResetEvent {
public:
    void Set();
    // A wait with a zero timeout: true, and reset, when it was signalled.
    [[nodiscard]] bool TryWait();
    void Wait();

    // Only while no other thread can Set the event.
    void SetListener(std::function<void()> listener);

private:
    std::mutex m_mutex;
    std::condition_variable m_signal;
    bool m_bSignalled = false;
    std::function<void()> m_listener;
};
