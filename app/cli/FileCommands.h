#pragma once
// encrypt, decrypt and verify over a list of files, in order, as the window's
// batch runs them: a failure is shown with the text of its error box and the
// next file follows; a cancel ends the run. The status is that of the first
// failure, or 0.

#include "CommandLine.h"

[[nodiscard]] int RunFileCommand(const CommandLine& line);
