#include "crypto/RandomNumberGenerator.h"

#include <cstdint>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Replays scripted bytes and counts how many were drawn.
class ScriptedBytes : public Ferrik_RandomNumberGenerator {
public:
    explicit ScriptedBytes(std::vector<std::uint8_t> bytes) : bytes_(bytes.begin(), bytes.end()) {}
    std::uint8_t NextByte() override {
        ++drawn;
        const std::uint8_t b = bytes_.empty() ? 0 : bytes_.front();
        if (!bytes_.empty()) {
            bytes_.pop_front();
        }
        return b;
    }
    std::uint32_t drawn = 0;

private:
    std::deque<std::uint8_t> bytes_;
};

TEST(RandomNumberGeneratorTest, NextInRangeSamplesByRejection) {
    struct Row {
        const char* what;
        std::uint32_t min;
        std::uint32_t max;
        std::vector<std::uint8_t> bytes;
        std::uint32_t expected;
        std::uint32_t drawn;
    };
    const Row rows[] = {
        {"empty range draws nothing", 5, 5, {}, 5, 0},
        {"full byte range, one draw", 0, 255, {0xFE}, 0xFE, 1},
        {"3 bits kept, two rejections", 10, 15, {0xFF, 0x0E, 0x03}, 13, 3},
        {"high byte first, 9 bits kept", 0, 0x1FF, {0xAB, 0xCD}, 0x1CD, 2},
        {"offset range of one byte", 0x100, 0x1FF, {0x42}, 0x142, 1},
        {"all 32 bits, no mask", 0, 0xFFFFFFFF, {1, 2, 3, 4}, 0x01020304, 4},
        {"24 bits, rejected once", 7, 7 + 0x800000, {0xFF, 0, 0, 0x80, 0, 0}, 7 + 0x800000, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ScriptedBytes source(row.bytes);
        EXPECT_EQ(source.NextInRange(row.min, row.max), row.expected);
        EXPECT_EQ(source.drawn, row.drawn);
    }
}

TEST(RandomNumberGeneratorTest, NextInRange16ZeroExtendsItsBounds) {
    ScriptedBytes source({0xFF, 0xFF, 0x00, 0x01});
    EXPECT_EQ(source.NextInRange16(3, 0xFFFF), 4u);
    EXPECT_EQ(source.drawn, 4u);
}

TEST(RandomNumberGeneratorTest, NextBitIsTheParityOfOneByte) {
    ScriptedBytes source({0x00, 0x01, 0x03, 0x80, 0xFF, 0xFE});
    std::vector<std::uint32_t> bits;
    for (int i = 0; i < 6; ++i) {
        bits.push_back(source.NextBit());
    }
    EXPECT_EQ(bits, (std::vector<std::uint32_t>{0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(source.drawn, 6u);
}

} // namespace
