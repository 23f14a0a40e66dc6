// The hardware keystream paths allocate nothing, so a heap that refuses every
// allocation cannot make the keystream calls fail there.

#include "ReplacedOperatorNew.h"
#include "crypto/Aes192Ctr.h"
#include "crypto/Keystream.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(AesCtrFastAllocationTest, HardwarePathNeedsNoHeap) {
    const Aes192CtrPath path = Aes192CtrFastest();
    if (path == Aes192CtrPath::kPortable) {
        GTEST_SKIP() << "UNAVAILABLE: no hardware path on this processor or build";
    }
    const std::array<std::uint8_t, 16> iv{1, 2, 3};
    const std::array<std::uint8_t, 24> key{4, 5, 6};
    std::vector<std::uint8_t> expected(70000, 0);
    ASSERT_EQ(Aes192CtrApply(Aes192CtrPath::kPortable, iv, key, expected, 100), 0u);

    std::vector<std::uint8_t> whole(70000, 0);
    std::vector<std::uint8_t> chunked(70000, 0);
    g_refuseAllocation = [](std::size_t) { return true; };
    const std::uint32_t wholeResult = ApplyKeystream(iv, key, whole, 100);
    const std::uint32_t chunkedResult = ApplyKeystreamChunked(iv, key, chunked, 100);
    g_refuseAllocation = nullptr;
    EXPECT_EQ(wholeResult, 0u) << Aes192CtrName(path);
    EXPECT_EQ(chunkedResult, 0u);
    EXPECT_EQ(whole, expected);
    EXPECT_EQ(chunked, expected);
}

} // namespace
