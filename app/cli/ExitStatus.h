#pragma once
// The statuses the tool ends with: 0, the result code of the first failure,
// or one of the tool's own below, which lie outside the result codes.

#include "container/ResultCode.h"

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 64;
// The message's sender asked for the viewer, which the tool does not have.
inline constexpr int kExitViewerRequired = 77;

// A code that would not survive as an exit status (above 255) becomes 1.
[[nodiscard]] constexpr int ExitStatusFor(ResultCode code) {
    return code <= 255 ? static_cast<int>(code) : static_cast<int>(RC_FAILED);
}
