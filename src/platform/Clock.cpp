#include "platform/Clock.h"

#include <atomic>
#include <ctime>

namespace {

// Bit 32 marks a pinned tick count held in the low 32 bits.
constexpr std::uint64_t kTickPinned = std::uint64_t{1} << 32;

std::atomic<std::uint64_t> pinnedTick{0};
std::atomic<const SYSTEMTIME*> pinnedTime{nullptr};

std::uint16_t Field(long value) {
    return static_cast<std::uint16_t>(value);
}

} // namespace

std::uint32_t GetTickCount() {
    const std::uint64_t pinned = pinnedTick.load();
    if ((pinned & kTickPinned) != 0) {
        return static_cast<std::uint32_t>(pinned);
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto milliseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                              static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(milliseconds);
}

SYSTEMTIME GetSystemTime() {
    if (const SYSTEMTIME* pinned = pinnedTime.load()) {
        return *pinned;
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return SystemTimeFromUnix(now.tv_sec, static_cast<std::uint32_t>(now.tv_nsec));
}

SYSTEMTIME SystemTimeFromUnix(std::int64_t seconds, std::uint32_t nanoseconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm fields{};
    if (gmtime_r(&time, &fields) == nullptr) {
        return SYSTEMTIME{};
    }
    return SYSTEMTIME{
        .year = Field(fields.tm_year + 1900L),
        .month = Field(fields.tm_mon + 1L),
        .dayOfWeek = Field(fields.tm_wday),
        .day = Field(fields.tm_mday),
        .hour = Field(fields.tm_hour),
        .minute = Field(fields.tm_min),
        // SYSTEMTIME has no leap second.
        .second = Field(fields.tm_sec > 59 ? 59 : fields.tm_sec),
        .milliseconds = Field(static_cast<long>(nanoseconds / 1000000u % 1000u)),
    };
}

ScopedTickCount::ScopedTickCount(std::uint32_t value)
    : previous_(pinnedTick.exchange(kTickPinned | value)) {}

ScopedTickCount::~ScopedTickCount() {
    pinnedTick.store(previous_);
}

ScopedSystemTime::ScopedSystemTime(const SYSTEMTIME& value)
    : value_(value), previous_(pinnedTime.exchange(&value_)) {}

ScopedSystemTime::~ScopedSystemTime() {
    pinnedTime.store(previous_);
}
