#pragma once
// One file job on a thread of its own: the container operation with the worker as its progress
// sink. The worker records state, progress (thousandths) and result before it signals its
// progress event; HasFinished() turns true only once the operation has returned and cleaned up.
// The destructor joins the thread and wipes the password copy.

#include "container/ProgressSink.h"
#include "container/ResultCode.h"
#include "jobs/AutoResetEvent.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// The shape of EncryptFile and DecryptFile; tests put their own operation in.
using FileJobOperation =
    std::function<ResultCode(const std::string& source, const std::string& output,
                             const std::string* password, ProgressSink&)>;

class CWorkingProgressDlgThread final : public ProgressSink {
public:
    // cancelEvent is borrowed and must outlive the worker. Without an operation the job code
    // picks EncryptFile or DecryptFile.
    CWorkingProgressDlgThread(AutoResetEvent& cancelEvent, int operation, std::string source,
                              std::string output, std::string password, FileJobOperation run = {});
    ~CWorkingProgressDlgThread() override;
    CWorkingProgressDlgThread(const CWorkingProgressDlgThread&) = delete;
    CWorkingProgressDlgThread& operator=(const CWorkingProgressDlgThread&) = delete;

    // Starts RunOperation on a new thread; throws std::system_error when none can be made.
    void CreateThread();
    void Join();

    void RunOperation();
    // 0 to go on; RC_CANCELLED once the cancel event was signalled, which this consumes.
    std::uint32_t ReportProgress(std::uint32_t total, std::uint32_t done) override;

    [[nodiscard]] AutoResetEvent& ProgressEvent() { return m_hProgressEvent; }
    [[nodiscard]] int State() const { return m_nState.load(); }
    [[nodiscard]] int Progress() const { return m_nProgress.load(); }
    [[nodiscard]] ResultCode Result() const { return m_nResult.load(); }
    [[nodiscard]] bool HasFinished() const { return m_bFinished.load(); }

private:
    std::atomic<int> m_nState;
    AutoResetEvent m_hProgressEvent;
    AutoResetEvent& m_hCancelEvent;
    std::atomic<int> m_nProgress{0};
    const std::string m_strSource;
    const std::string m_strOutput;
    std::string m_strPassword;
    std::atomic<ResultCode> m_nResult{RC_OK};
    std::atomic<bool> m_bFinished{false};
    FileJobOperation m_run;
    std::thread m_thread;
};

// Thousandths of done over total, 0 for a total of 0, never beyond 1000.
[[nodiscard]] int ProgressThousandths(std::uint32_t total, std::uint32_t done);
