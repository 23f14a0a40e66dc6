#pragma once
// The two clocks of the Windows kernel: GetTickCount, milliseconds of
// CLOCK_MONOTONIC wrapping at 2^32, and GetSystemTime, the UTC wall clock as
// SYSTEMTIME fields. Tests pin either one with a scoped override.

#include <cstdint>

struct SYSTEMTIME {
    std::uint16_t year;
    std::uint16_t month;     // 1..12
    std::uint16_t dayOfWeek; // 0 = Sunday
    std::uint16_t day;       // 1..31
    std::uint16_t hour;
    std::uint16_t minute;
    std::uint16_t second;
    std::uint16_t milliseconds;
};

std::uint32_t GetTickCount();
SYSTEMTIME GetSystemTime();

// The UTC calendar fields of a point in Unix time.
SYSTEMTIME SystemTimeFromUnix(std::int64_t seconds, std::uint32_t nanoseconds);

// While alive, GetTickCount answers value in every thread.
class ScopedTickCount {
public:
    explicit ScopedTickCount(std::uint32_t value);
    ~ScopedTickCount();
    ScopedTickCount(const ScopedTickCount&) = delete;
    ScopedTickCount& operator=(const ScopedTickCount&) = delete;

private:
    std::uint64_t previous_;
};

// While alive, GetSystemTime answers value in every thread.
class ScopedSystemTime {
public:
    explicit ScopedSystemTime(const SYSTEMTIME& value);
    ~ScopedSystemTime();
    ScopedSystemTime(const ScopedSystemTime&) = delete;
    ScopedSystemTime& operator=(const ScopedSystemTime&) = delete;

private:
    SYSTEMTIME value_;
    const SYSTEMTIME* previous_;
};
