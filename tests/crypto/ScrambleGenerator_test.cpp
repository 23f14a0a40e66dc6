#include "crypto/ScrambleGenerator.h"

#include <array>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

std::vector<std::uint32_t> Draw(ScrambleGenerator& generator, std::size_t count) {
    std::vector<std::uint32_t> values(count);
    for (std::uint32_t& value : values) {
        value = generator.next();
    }
    return values;
}

// The scrambler's published start: seed 85 gives 316, 3830, 32364, 16202, 858.
TEST(ScrambleGenerator, FromSeed85) {
    ScrambleGenerator generator;
    generator.seed(85);
    EXPECT_EQ(Draw(generator, 5), (std::vector<std::uint32_t>{316, 3830, 32364, 16202, 858}));
}

TEST(ScrambleGenerator, ReseedingRestartsTheSequence) {
    ScrambleGenerator generator;
    generator.seed(0xDEADBEEF);
    const auto first = Draw(generator, 300);
    generator.seed(0xDEADBEEF);
    EXPECT_EQ(Draw(generator, 300), first);
    for (std::uint32_t value : first) {
        EXPECT_LE(value, 0x7FFFu);
    }
}

TEST(ThreadScrambleGenerator, EachThreadHasItsOwnUnseededGenerator) {
    ScrambleGenerator& mine = ThreadScrambleGenerator();
    mine.seed(85);
    EXPECT_EQ(mine.next(), 316u);

    // A fresh thread starts from state 0, whose first value is 2531011 >> 16.
    std::uint32_t freshFirst = 0;
    std::thread([&] {
        freshFirst = ThreadScrambleGenerator().next();
        ThreadScrambleGenerator().seed(1);
        (void)Draw(ThreadScrambleGenerator(), 100);
    }).join();
    EXPECT_EQ(freshFirst, 38u);
    EXPECT_EQ(&ThreadScrambleGenerator(), &mine);
    EXPECT_EQ(mine.next(), 3830u);
}

TEST(ThreadScrambleGenerator, ConcurrentThreadsKeepTheirOwnSequences) {
    constexpr std::array<std::uint32_t, 4> kSeeds{85, 1, 0x12345678, 0xFFFFFFFF};
    std::array<std::vector<std::uint32_t>, kSeeds.size()> seen;
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < kSeeds.size(); ++i) {
        threads.emplace_back([&, i] {
            ThreadScrambleGenerator().seed(kSeeds[i]);
            seen[i] = Draw(ThreadScrambleGenerator(), 20000);
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 0; i < kSeeds.size(); ++i) {
        ScrambleGenerator reference;
        reference.seed(kSeeds[i]);
        EXPECT_EQ(seen[i], Draw(reference, 20000)) << "seed " << kSeeds[i];
    }
}

} // namespace
