// Every implementation of the scrambler against the definition, one byte at a
// time on the generator: every length, every split into two and three pieces,
// long regions, and restarts. One the processor lacks reports UNAVAILABLE.
#include "container/ScrambleAvx2.h"
#include "container/ScrambleState.h"
#include "container/ScrambleWords.h"
#include "crypto/ScrambleGenerator.h"

#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Reference {
    ScrambleGenerator generator;
    std::uint8_t chain = 0x55;

    Reference() { generator.seed(85); }
    std::uint8_t mask() { return static_cast<std::uint8_t>(~generator.next()); }
};

Bytes ReferenceScrambled(Bytes bytes) {
    Reference r;
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(byte ^ r.mask() ^ r.chain);
        r.chain = byte;
    }
    return bytes;
}

Bytes RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(generator());
    }
    return bytes;
}

struct Implementation {
    const char* name;
    ScrambleKernel (*scramble)();
    ScrambleKernel (*unscramble)();
};

void PrintTo(const Implementation& implementation, std::ostream* out) {
    *out << implementation.name;
}

const Implementation kImplementations[] = {
    {"Words", [] { return ScrambleKernel{&ScrambleWords}; },
     [] { return ScrambleKernel{&UnscrambleWords}; }},
    {"Avx2", &ScrambleAvx2, &UnscrambleAvx2},
};

class ScrambleFast : public testing::TestWithParam<Implementation> {
protected:
    void SetUp() override {
        scramble_ = GetParam().scramble();
        unscramble_ = GetParam().unscramble();
        if (scramble_ == nullptr || unscramble_ == nullptr) {
            GTEST_SKIP() << "UNAVAILABLE: the " << GetParam().name
                         << " scrambler (left out or not in the processor)";
        }
    }

    // Runs `kernel` over consecutive pieces ending at each of `cuts`, then the rest.
    static Bytes InPieces(ScrambleKernel kernel, Bytes bytes,
                          const std::vector<std::size_t>& cuts) {
        ScrambleCursor cursor = kScrambleRegionStart;
        std::span<std::uint8_t> rest(bytes);
        std::size_t done = 0;
        for (const std::size_t cut : cuts) {
            kernel(cursor, rest.first(cut - done));
            rest = rest.subspan(cut - done);
            done = cut;
        }
        kernel(cursor, rest);
        return bytes;
    }

    void ExpectBothWays(const Bytes& plain, const Bytes& stored,
                        const std::vector<std::size_t>& cuts) {
        ASSERT_EQ(InPieces(scramble_, plain, cuts), stored);
        ASSERT_EQ(InPieces(unscramble_, stored, cuts), plain);
    }

    ScrambleKernel scramble_ = nullptr;
    ScrambleKernel unscramble_ = nullptr;
};

INSTANTIATE_TEST_SUITE_P(, ScrambleFast, testing::ValuesIn(kImplementations),
                         [](const testing::TestParamInfo<Implementation>& row) {
                             return std::string(row.param.name);
                         });

TEST_P(ScrambleFast, EveryLengthUpTo300) {
    for (std::size_t size = 0; size <= 300; ++size) {
        SCOPED_TRACE(size);
        const Bytes plain = RandomBytes(size, static_cast<std::uint32_t>(size));
        ExpectBothWays(plain, ReferenceScrambled(plain), {});
    }
}

TEST_P(ScrambleFast, EverySplitInTwo) {
    const Bytes plain = RandomBytes(300, 1);
    const Bytes stored = ReferenceScrambled(plain);
    for (std::size_t split = 0; split <= plain.size(); ++split) {
        SCOPED_TRACE(split);
        ExpectBothWays(plain, stored, {split});
    }
}

TEST_P(ScrambleFast, EverySplitInThree) {
    const Bytes plain = RandomBytes(140, 2);
    const Bytes stored = ReferenceScrambled(plain);
    for (std::size_t i = 0; i <= plain.size(); ++i) {
        for (std::size_t j = i; j <= plain.size(); ++j) {
            SCOPED_TRACE(std::to_string(i) + ", " + std::to_string(j));
            ExpectBothWays(plain, stored, {i, j});
        }
    }
}

// Several MB, whole and in uneven pieces, so the generator runs far past
// where the lanes started.
TEST_P(ScrambleFast, LongRegions) {
    const Bytes plain = RandomBytes((3 << 20) + 13, 3);
    const Bytes stored = ReferenceScrambled(plain);
    ExpectBothWays(plain, stored, {});
    std::vector<std::size_t> cuts;
    std::mt19937 generator(4);
    for (std::size_t at = 0; at < plain.size();) {
        at = std::min(plain.size(), at + generator() % 100000);
        cuts.push_back(at);
    }
    ExpectBothWays(plain, stored, cuts);
}

// The chosen path through the class: restarts begin the region again.
TEST(ScrambleStateFast, BeginRestartsAfterAnyLength) {
    const Bytes plain = RandomBytes(1000, 5);
    const Bytes stored = ReferenceScrambled(plain);
    ScrambleState state;
    for (const std::size_t first : {0u, 1u, 31u, 32u, 33u, 999u}) {
        Bytes junk = RandomBytes(first, 6);
        state.scramble(junk);
        state.begin();
        Bytes scrambling = plain;
        state.scramble(scrambling);
        EXPECT_EQ(scrambling, stored) << first;
        state.unscramble(junk);
        state.begin();
        state.unscramble(scrambling);
        EXPECT_EQ(scrambling, plain) << first;
    }
}

} // namespace
