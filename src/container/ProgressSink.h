#pragma once
// Where a file operation reports how far its body pass has come, once per
// chunk, as two byte counts. The answer says whether to go on: 0, or
// RC_CANCELLED once the user has cancelled.

#include <cstdint>

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual std::uint32_t ReportProgress(std::uint32_t total, std::uint32_t done) = 0;
};
