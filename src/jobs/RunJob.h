#pragma once
// Runs one file job on its worker's thread while the calling (interface) thread keeps its Qt
// event loop going, so windows repaint and Cancel works. Returns only once the worker's
// operation has returned and its thread has been joined, a cancelled job included, so no job
// outlives the dialog that waits for it.

#include "container/ResultCode.h"
#include "jobs/CWorkingProgressDlgThread.h"

#include <functional>

// onProgress gets the worker's progress after each report of a running job; several reports
// between two wake-ups show as the latest. RC_FAILED when no thread can be started.
[[nodiscard]] ResultCode RunJob(CWorkingProgressDlgThread& worker,
                                const std::function<void(int progress)>& onProgress);
