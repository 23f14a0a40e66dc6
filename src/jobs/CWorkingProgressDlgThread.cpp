#include "jobs/CWorkingProgressDlgThread.h"

#include "container/DecryptFile.h"
#include "container/EncryptFile.h"
#include "crypto/WipedBuffer.h"
#include "jobs/JobCodes.h"

#include <utility>

namespace {

FileJobOperation OperationFor(int job) {
    switch (job) {
    case JOB_ENCRYPT:
        return EncryptFile;
    case JOB_DECRYPT:
        return DecryptFile;
    default:
        return {};
    }
}

} // namespace

int ProgressThousandths(std::uint32_t total, std::uint32_t done) {
    if (total == 0) {
        return 0;
    }
    const double thousandths = static_cast<double>(done) / static_cast<double>(total) * 1000.0;
    // Also keeps the conversion below defined for a done past total.
    return thousandths >= 1000.0 ? 1000 : static_cast<int>(thousandths);
}

CWorkingProgressDlgThread::CWorkingProgressDlgThread(AutoResetEvent& cancelEvent, int operation,
                                                     std::string source, std::string output,
                                                     std::string password, FileJobOperation run)
    : m_nState(operation), m_hCancelEvent(cancelEvent), m_strSource(std::move(source)),
      m_strOutput(std::move(output)), m_strPassword(std::move(password)),
      m_run(run ? std::move(run) : OperationFor(operation)) {}

CWorkingProgressDlgThread::~CWorkingProgressDlgThread() {
    Join();
    WipeMemory(m_strPassword.data(), m_strPassword.size());
}

void CWorkingProgressDlgThread::CreateThread() {
    m_thread = std::thread([this] { RunOperation(); });
}

void CWorkingProgressDlgThread::Join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void CWorkingProgressDlgThread::RunOperation() {
    m_nResult = RC_OK;
    const ResultCode result =
        m_run ? m_run(m_strSource, m_strOutput, &m_strPassword, *this) : RC_BAD_ARGUMENT;
    m_nResult = result;
    m_nState = JOB_DONE;
    m_bFinished = true;
    m_hProgressEvent.Set();
}

std::uint32_t CWorkingProgressDlgThread::ReportProgress(std::uint32_t total, std::uint32_t done) {
    if (m_hCancelEvent.TryWait()) {
        m_nResult = RC_CANCELLED;
        m_nState = JOB_DONE;
        m_hProgressEvent.Set();
        return RC_CANCELLED;
    }
    m_nProgress = ProgressThousandths(total, done);
    m_hProgressEvent.Set();
    return 0;
}
