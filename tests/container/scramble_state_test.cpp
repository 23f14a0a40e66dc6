#include "TestBytes.h"
#include "container/KeyBlock.h"
#include "container/ScrambleState.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<std::uint8_t> Scrambled(std::vector<std::uint8_t> bytes) {
    ScrambleState state;
    state.scramble(bytes);
    return bytes;
}

std::vector<std::uint8_t> Unscrambled(std::vector<std::uint8_t> bytes) {
    ScrambleState state;
    state.unscramble(bytes);
    return bytes;
}

std::vector<std::uint8_t> Sample(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    return bytes;
}

struct KnownRegion {
    const char* source;
    std::vector<std::uint8_t> plain;
    std::vector<std::uint8_t> stored;
};

TEST(ScrambleStateTest, KnownRegionsScrambleAndComeBack) {
    std::vector<std::uint8_t> zeroPrefix(16, 0);
    const KnownRegion cases[] = {
        {"worked example of the format", FromText("abc"), FromHex("f7 9c 6c")},
        {"computed with a Python model of the generator", zeroPrefix,
         FromHex("96 9f 0c b9 1c 02 e6 32 e2 27 19 82 3e 3e 76 73")},
        {"an empty region", {}, {}},
    };
    for (const KnownRegion& region : cases) {
        SCOPED_TRACE(region.source);
        EXPECT_EQ(Scrambled(region.plain), region.stored);
        EXPECT_EQ(Unscrambled(region.stored), region.plain);
    }
}

TEST(ScrambleStateTest, ZeroKeyBlockScramblesTheSameEveryTime) {
    const std::vector<std::uint8_t> zeros(kKeyBlockSize, 0);
    const std::vector<std::uint8_t> first = Scrambled(zeros);
    EXPECT_EQ(Scrambled(zeros), first);
    // Tail computed with a Python model of the generator.
    EXPECT_EQ(std::vector<std::uint8_t>(first.end() - 4, first.end()), FromHex("0c 5c ba f8"));
}

TEST(ScrambleStateTest, BeginRestartsTheRegion) {
    std::vector<std::uint8_t> once = Sample(50);
    std::vector<std::uint8_t> again = once;
    ScrambleState state;
    state.scramble(once);
    state.begin();
    state.scramble(again);
    EXPECT_EQ(again, once);
}

TEST(ScrambleStateTest, TwoPiecesEqualOnePieceAtEverySplit) {
    const std::vector<std::uint8_t> plain = Sample(40);
    const std::vector<std::uint8_t> stored = Scrambled(plain);
    for (std::size_t split = 0; split <= plain.size(); ++split) {
        SCOPED_TRACE(split);
        std::vector<std::uint8_t> scrambling = plain;
        std::vector<std::uint8_t> unscrambling = stored;
        ScrambleState writer;
        ScrambleState reader;
        const std::span<std::uint8_t> written(scrambling);
        const std::span<std::uint8_t> read(unscrambling);
        writer.scramble(written.first(split));
        writer.scramble(written.subspan(split));
        reader.unscramble(read.first(split));
        reader.unscramble(read.subspan(split));
        EXPECT_EQ(scrambling, stored);
        EXPECT_EQ(unscrambling, plain);
    }
}

TEST(ScrambleStateTest, LongRegionRoundTrips) {
    const std::vector<std::uint8_t> plain = Sample(100000);
    const std::vector<std::uint8_t> stored = Scrambled(plain);
    EXPECT_NE(stored, plain);
    EXPECT_EQ(Unscrambled(stored), plain);
}

// A piece taken up on its own, from its offset and the stored byte before it,
// gives what the whole region gives there, both ways.
TEST(ScrambleStateTest, ResumesAtAnyOffsetFromTheStoredByteBefore) {
    const std::vector<std::uint8_t> plain = Sample(100000);
    const std::vector<std::uint8_t> stored = Scrambled(plain);
    for (const std::size_t offset : {1u, 63u, 64u, 4097u, 65536u, 99999u}) {
        SCOPED_TRACE(offset);
        std::vector<std::uint8_t> reading(stored.begin() + std::ptrdiff_t(offset), stored.end());
        std::vector<std::uint8_t> writing(plain.begin() + std::ptrdiff_t(offset), plain.end());
        ScrambleState state;
        state.resume(offset, stored[offset - 1]);
        state.unscramble(reading);
        state.resume(offset, stored[offset - 1]);
        state.scramble(writing);
        EXPECT_TRUE(
            std::equal(reading.begin(), reading.end(), plain.begin() + std::ptrdiff_t(offset)));
        EXPECT_TRUE(
            std::equal(writing.begin(), writing.end(), stored.begin() + std::ptrdiff_t(offset)));
    }
}

// The reader chains on the stored byte: a damaged stored byte spoils only
// itself and the byte after it.
TEST(ScrambleStateTest, DamagedStoredByteSpoilsTwoBytes) {
    const std::vector<std::uint8_t> plain = Sample(30);
    std::vector<std::uint8_t> stored = Scrambled(plain);
    stored[10] ^= 0x01;
    const std::vector<std::uint8_t> read = Unscrambled(stored);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(read[i] != plain[i], i == 10 || i == 11) << "byte " << i;
    }
}

} // namespace
