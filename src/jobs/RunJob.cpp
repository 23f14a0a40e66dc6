#include "jobs/RunJob.h"

#include "jobs/JobCodes.h"

#include <QEventLoop>
#include <QMetaObject>
#include <system_error>

namespace {

bool IsRunning(int state) {
    return state == JOB_ENCRYPT || state == JOB_DECRYPT;
}

// Waits inside the event loop until the worker has finished.
void WaitForWorker(CWorkingProgressDlgThread& worker, QEventLoop& loop,
                   const std::function<void(int)>& onProgress) {
    for (;;) {
        if (!worker.ProgressEvent().TryWait()) {
            if (loop.exec() == 0) {
                continue;
            }
            // Once the application quits, event loops return at once: wait without one.
            worker.ProgressEvent().Wait();
        }
        if (worker.HasFinished()) {
            return;
        }
        // After a cancel the state is already done while the operation still cleans up.
        if (IsRunning(worker.State()) && onProgress) {
            onProgress(worker.Progress());
        }
    }
}

} // namespace

ResultCode RunJob(CWorkingProgressDlgThread& worker,
                  const std::function<void(int progress)>& onProgress) {
    QEventLoop loop;
    // Queued, so the wake-up is handled inside loop.exec() and never lost before it starts;
    // wake-ups still pending when the loop goes are dropped with it.
    worker.ProgressEvent().SetListener([&loop] {
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    try {
        worker.CreateThread();
    } catch (const std::system_error&) {
        worker.ProgressEvent().SetListener({});
        return RC_FAILED;
    }
    WaitForWorker(worker, loop, onProgress);
    worker.Join();
    worker.ProgressEvent().SetListener({});
    return worker.Result();
}
