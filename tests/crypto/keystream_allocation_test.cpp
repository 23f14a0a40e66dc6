// Allocation failure inside the keystream calls, through a replaced global
// operator new that fails after a set number of allocations.

#include "ReplacedOperatorNew.h"
#include "crypto/Aes192Ctr.h"
#include "crypto/Keystream.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

long g_allocationsBeforeFailure = 0;

// Lets that many allocations through, then refuses every one.
bool CountdownRefuses(std::size_t) {
    if (g_allocationsBeforeFailure == 0) {
        return true;
    }
    --g_allocationsBeforeFailure;
    return false;
}

} // namespace

namespace {

// The cipher object, its round keys and the mode's three buffers.
constexpr long kAllocationsPerCall = 5;

// Only the portable path allocates; the hardware paths keep their state on
// the stack and are covered by their own no-heap test.
class KeystreamAllocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (Aes192CtrFastest() != Aes192CtrPath::kPortable) {
            GTEST_SKIP() << "allocations are counted on the portable path (its own run)";
        }
    }

    std::uint32_t ApplyFailingAfter(long allocations, std::vector<std::uint8_t>& buffer,
                                    bool chunked) {
        g_allocationsBeforeFailure = allocations;
        g_refuseAllocation = &CountdownRefuses;
        const std::uint32_t result = chunked ? ApplyKeystreamChunked(iv_, key_, buffer, 100)
                                             : ApplyKeystream(iv_, key_, buffer, 100);
        g_refuseAllocation = nullptr;
        return result;
    }

    std::array<std::uint8_t, 16> iv_{1, 2, 3};
    std::array<std::uint8_t, 24> key_{4, 5, 6};
};

TEST_F(KeystreamAllocationTest, AnyFailedAllocationLeavesTheBufferUntouched) {
    for (long allowed = 0; allowed < kAllocationsPerCall; ++allowed) {
        SCOPED_TRACE(allowed);
        std::vector<std::uint8_t> buffer(64, 0x5A);
        EXPECT_EQ(ApplyFailingAfter(allowed, buffer, false), 1u);
        EXPECT_EQ(buffer, std::vector<std::uint8_t>(64, 0x5A));
    }
    std::vector<std::uint8_t> buffer(64, 0x5A);
    EXPECT_EQ(ApplyFailingAfter(kAllocationsPerCall, buffer, false), 0u);
    EXPECT_NE(buffer, std::vector<std::uint8_t>(64, 0x5A));
}

TEST_F(KeystreamAllocationTest, ChunkedStopsAtTheFailingChunk) {
    std::vector<std::uint8_t> expected(70000, 0);
    ASSERT_EQ(ApplyKeystream(iv_, key_, expected, 100), 0u);

    // The first chunk of 65,535 bytes gets its cipher; the second does not.
    std::vector<std::uint8_t> buffer(70000, 0);
    EXPECT_EQ(ApplyFailingAfter(kAllocationsPerCall, buffer, true), 1u);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + 65535, expected.begin()));
    EXPECT_TRUE(std::all_of(buffer.begin() + 65535, buffer.end(), [](auto b) { return b == 0; }));
}

TEST_F(KeystreamAllocationTest, EmptyChunkedRangeCreatesNoCipher) {
    std::vector<std::uint8_t> buffer;
    EXPECT_EQ(ApplyFailingAfter(0, buffer, true), 0u);
}

} // namespace
