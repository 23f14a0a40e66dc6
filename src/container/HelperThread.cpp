#include "container/HelperThread.h"

#include <system_error>
#include <utility>

namespace {

// A job that throws has failed; the caller hears it from Wait.
bool RunJob(const std::function<bool()>& job) {
    try {
        return job();
    } catch (...) {
        return false;
    }
}

} // namespace

HelperThread::HelperThread() {
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        // No thread to be had: Post runs each job itself.
    }
}

HelperThread::~HelperThread() {
    if (!thread_.joinable()) {
        return;
    }
    {
        std::unique_lock lock(mutex_);
        jobDone_.wait(lock, [this] { return !busy_; });
        stopping_ = true;
    }
    jobPosted_.notify_one();
    thread_.join();
}

void HelperThread::Post(std::function<bool()> job) {
    if (!thread_.joinable()) {
        const bool answer = RunJob(job);
        answer_ = answer_ && answer;
        return;
    }
    {
        std::unique_lock lock(mutex_);
        jobDone_.wait(lock, [this] { return !busy_; });
        job_ = std::move(job);
        busy_ = true;
    }
    jobPosted_.notify_one();
}

bool HelperThread::Wait() {
    std::unique_lock lock(mutex_);
    jobDone_.wait(lock, [this] { return !busy_; });
    return std::exchange(answer_, true);
}

void HelperThread::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        jobPosted_.wait(lock, [this] { return busy_ || stopping_; });
        if (!busy_) {
            return;
        }
        std::function<bool()> job = std::move(job_);
        lock.unlock();
        const bool answer = RunJob(job);
        job = nullptr;
        lock.lock();
        answer_ = answer_ && answer;
        busy_ = false;
        jobDone_.notify_all();
    }
}
