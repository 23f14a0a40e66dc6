#include "platform/Clock.h"

#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
#include <thread>

namespace {

// The weekday by the standard library's own calendar, independent of gmtime.
unsigned WeekdayOf(const SYSTEMTIME& t) {
    using namespace std::chrono;
    const year_month_day date{year{t.year}, month{t.month}, day{t.day}};
    EXPECT_TRUE(date.ok());
    return weekday{sys_days{date}}.c_encoding();
}

TEST(TickCount, FollowsTheMonotonicClockInMilliseconds) {
    timespec before{};
    clock_gettime(CLOCK_MONOTONIC, &before);
    const std::uint32_t tick = GetTickCount();
    timespec after{};
    clock_gettime(CLOCK_MONOTONIC, &after);

    auto millis = [](const timespec& t) {
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(t.tv_sec) * 1000u +
                                          static_cast<std::uint64_t>(t.tv_nsec) / 1000000u);
    };
    // Unsigned differences stay right across the 2^32 wrap.
    EXPECT_LE(tick - millis(before), millis(after) - millis(before));
}

TEST(TickCount, PinnedValueHoldsInEveryThreadAndNests) {
    const std::uint32_t live = GetTickCount();
    {
        const ScopedTickCount outer(0xFFFFFFFFu);
        {
            const ScopedTickCount inner(1234);
            std::uint32_t seenByWorker = 0;
            std::thread([&] { seenByWorker = GetTickCount(); }).join();
            EXPECT_EQ(seenByWorker, 1234u);
        }
        EXPECT_EQ(GetTickCount(), 0xFFFFFFFFu);
    }
    EXPECT_LT(GetTickCount() - live, 60'000u);
}

struct UnixCase {
    const char* source;
    std::int64_t seconds;
    std::uint32_t nanoseconds;
    SYSTEMTIME expected;
};

// Expected fields worked out with python3 datetime.utcfromtimestamp.
const UnixCase kUnixCases[] = {
    {"epoch, a Thursday", 0, 0, {1970, 1, 4, 1, 0, 0, 0, 0}},
    {"leap day 2000", 951782400, 999999999, {2000, 2, 2, 29, 0, 0, 0, 999}},
    {"last second of 1999", 946684799, 500000000, {1999, 12, 5, 31, 23, 59, 59, 500}},
    {"32-bit time_t limit", 2147483647, 1000000, {2038, 1, 2, 19, 3, 14, 7, 1}},
    {"beyond 32-bit time_t", 4102444800, 0, {2100, 1, 5, 1, 0, 0, 0, 0}},
};

TEST(SystemTime, FieldsFromUnixTime) {
    for (const UnixCase& c : kUnixCases) {
        SCOPED_TRACE(c.source);
        const SYSTEMTIME t = SystemTimeFromUnix(c.seconds, c.nanoseconds);
        EXPECT_EQ(t.year, c.expected.year);
        EXPECT_EQ(t.month, c.expected.month);
        EXPECT_EQ(t.dayOfWeek, c.expected.dayOfWeek);
        EXPECT_EQ(t.day, c.expected.day);
        EXPECT_EQ(t.hour, c.expected.hour);
        EXPECT_EQ(t.minute, c.expected.minute);
        EXPECT_EQ(t.second, c.expected.second);
        EXPECT_EQ(t.milliseconds, c.expected.milliseconds);
    }
}

TEST(SystemTime, NowIsInRangeWithConsistentWeekday) {
    const std::time_t before = std::time(nullptr);
    const SYSTEMTIME now = GetSystemTime();
    std::tm utc{};
    gmtime_r(&before, &utc);

    EXPECT_GE(now.year, utc.tm_year + 1900);
    EXPECT_LE(now.year, utc.tm_year + 1901);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);
    EXPECT_LE(now.hour, 23);
    EXPECT_LE(now.minute, 59);
    EXPECT_LE(now.second, 59);
    EXPECT_LE(now.milliseconds, 999);
    EXPECT_EQ(now.dayOfWeek, WeekdayOf(now));
}

TEST(SystemTime, PinnedValueHoldsUntilTheOverrideEnds) {
    // 1601 lies before anything the live clock can answer.
    const SYSTEMTIME fixed{1601, 1, 1, 1, 8, 30, 15, 250};
    {
        const ScopedSystemTime pin(fixed);
        SYSTEMTIME seen{};
        std::thread([&] { seen = GetSystemTime(); }).join();
        EXPECT_EQ(seen.year, 1601);
        EXPECT_EQ(seen.minute, 30);
        EXPECT_EQ(seen.milliseconds, 250);
    }
    EXPECT_NE(GetSystemTime().year, 1601);
}

} // namespace
