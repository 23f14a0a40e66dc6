#pragma once
// The progress sink of one file job: answers RC_CANCELLED once Ctrl+C has been
// pressed and, when standard error is a terminal, keeps one line there up to
// date ("Encrypting file.. report.txt 42%"), ended when the job is done.

#include "container/ProgressSink.h"

#include <string>
#include <string_view>

class ProgressLine : public ProgressSink {
public:
    ProgressLine(std::string_view status, std::string_view fileName);
    ~ProgressLine() override { Finish(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    std::uint32_t ReportProgress(std::uint32_t total, std::uint32_t done) override;

    // Ends the line, once; later output starts on a line of its own.
    void Finish();

private:
    void Draw(unsigned percent);

    std::string status_;
    std::string fileName_;
    bool visible_;
    bool finished_ = false;
    int shownPercent_ = -1;
};
