#pragma once
// Ctrl+C as a request to cancel: the first SIGINT only sets a flag, which the
// running file job answers at its next progress report and every blocking
// read of the tool sees as an interruption; a second SIGINT ends the process.

void InstallCancelSignal();
[[nodiscard]] bool CancelRequested();
