#pragma once
// A second thread for the file passes, running one job at a time while the
// caller goes on: Post hands it a job, Wait blocks until that job is done and
// returns its answer. Where no thread can be started the job runs at once in
// Post, so the results are the same either way. The thread ends with the
// object, after the job it was running; a caller waits or destroys the helper
// before it touches what the job uses.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class HelperThread {
public:
    HelperThread();
    ~HelperThread();
    HelperThread(const HelperThread&) = delete;
    HelperThread& operator=(const HelperThread&) = delete;

    // Waits for the job posted before, if any, then starts this one.
    void Post(std::function<bool()> job);
    // The posted job's answer, or true when none was posted since the last Wait.
    bool Wait();

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable jobPosted_;
    std::condition_variable jobDone_;
    std::function<bool()> job_;
    bool busy_ = false;
    bool answer_ = true;
    bool stopping_ = false;
    std::thread thread_;
};
