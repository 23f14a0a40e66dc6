#include "platform/RandomProvider.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct AcquireCase {
    const char* name;
    std::string_view container;
    std::uint32_t flags;
    std::uint32_t expected;
};

const AcquireCase kAcquireCases[] = {
    {"named container, flags 0", "Tamberon+", 0, 0},
    {"named container, new keyset", "Tamberon+", CRYPT_NEWKEYSET, 0},
    {"no container, verify context", "", CRYPT_VERIFYCONTEXT, 0},
    {"unknown flag bit", "Tamberon+", 0x00000001, NTE_BAD_FLAGS},
};

TEST(KernelRandomProvider, AcquireAcceptsTheProviderFlagsOnly) {
    RandomProvider& kernel = KernelRandomProvider();
    for (const AcquireCase& c : kAcquireCases) {
        SCOPED_TRACE(c.name);
        RandomContext context = 0;
        EXPECT_EQ(kernel.acquire(c.container, c.flags, context), c.expected);
        if (c.expected == 0) {
            kernel.release(context);
        }
    }
}

TEST(KernelRandomProvider, FillsEveryByteOfLargeAndSmallRequests) {
    RandomProvider& kernel = KernelRandomProvider();
    RandomContext context = 0;
    ASSERT_EQ(kernel.acquire("Tamberon+", 0, context), 0u);

    // A zero byte somewhere in 64 KiB is near certain; a zero tail of 64 bytes is not.
    std::vector<std::uint8_t> large(65536, 0);
    ASSERT_EQ(kernel.generate(context, large), 0u);
    EXPECT_FALSE(std::all_of(large.end() - 64, large.end(), [](auto b) { return b == 0; }));

    std::array<std::uint8_t, 20> first{};
    std::array<std::uint8_t, 20> second{};
    ASSERT_EQ(kernel.generate(context, first), 0u);
    ASSERT_EQ(kernel.generate(context, second), 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(kernel.generate(context, std::span<std::uint8_t>{}), 0u);
    kernel.release(context);
}

// One scripted answer of a getrandom-like call: fill up to `count` bytes with
// `value` and return the count, or fail with `error` (count < 0).
struct EntropyStep {
    ssize_t count;
    int error;
};

std::vector<EntropyStep> script;
std::size_t nextStep = 0;
std::uint8_t nextValue = 1;

ssize_t ScriptedCall(void* buffer, std::size_t length, unsigned int) {
    const EntropyStep step = script.at(nextStep++);
    if (step.count < 0) {
        errno = step.error;
        return -1;
    }
    const auto count = std::min(static_cast<std::size_t>(step.count), length);
    std::fill_n(static_cast<std::uint8_t*>(buffer), count, nextValue++);
    return static_cast<ssize_t>(count);
}

struct FillCase {
    const char* name;
    std::vector<EntropyStep> steps;
    std::uint32_t expected;
    std::array<std::uint8_t, 10> filled;
};

const FillCase kFillCases[] = {
    {"one full answer", {{10, 0}}, 0, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
    {"interrupted, short, interrupted, rest",
     {{-1, EINTR}, {4, 0}, {-1, EINTR}, {10, 0}},
     0,
     {1, 1, 1, 1, 2, 2, 2, 2, 2, 2}},
    {"short then an I/O error", {{3, 0}, {-1, EIO}}, EIO, {1, 1, 1, 0, 0, 0, 0, 0, 0, 0}},
    {"no system call", {{-1, ENOSYS}}, ENOSYS, {}},
    {"no progress and no errno", {{0, 0}}, NTE_FAIL, {}},
};

TEST(FillFromEntropyCall, RetriesInterruptionsAndShortAnswersAndReportsErrors) {
    for (const FillCase& c : kFillCases) {
        SCOPED_TRACE(c.name);
        script = c.steps;
        nextStep = 0;
        nextValue = 1;
        std::array<std::uint8_t, 10> out{};
        EXPECT_EQ(FillFromEntropyCall(out, ScriptedCall), c.expected);
        EXPECT_EQ(out, c.filled);
        EXPECT_EQ(nextStep, c.steps.size());
    }
}

class RefusingProvider final : public RandomProvider {
public:
    std::uint32_t acquire(std::string_view, std::uint32_t, RandomContext&) override {
        return NTE_BAD_KEYSET;
    }
    std::uint32_t generate(RandomContext, std::span<std::uint8_t>) override { return NTE_FAIL; }
    void release(RandomContext) override {}
};

TEST(CurrentRandomProvider, IsTheKernelOneUnlessOverriddenInScope) {
    EXPECT_EQ(&CurrentRandomProvider(), &KernelRandomProvider());
    RefusingProvider outer;
    RefusingProvider inner;
    {
        const ScopedRandomProvider useOuter(outer);
        {
            const ScopedRandomProvider useInner(inner);
            EXPECT_EQ(&CurrentRandomProvider(), &inner);
        }
        EXPECT_EQ(&CurrentRandomProvider(), &outer);
    }
    EXPECT_EQ(&CurrentRandomProvider(), &KernelRandomProvider());
}

} // namespace
