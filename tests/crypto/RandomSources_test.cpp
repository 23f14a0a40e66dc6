#include "crypto/RandomSources.h"
#include "crypto/ScrambleGenerator.h"
#include "platform/Clock.h"
#include "platform/RandomProvider.h"

#include <algorithm>
#include <array>
#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::uint32_t NTE_PROV_TYPE_NOT_DEF = 0x80090017;
constexpr std::uint32_t NTE_EXISTS = 0x8009000F;

// A provider whose answers are scripted and whose calls are recorded. Successful
// requests write 1, 2, 3, ... across calls; failed ones scribble 0xEE first.
class ScriptedProvider final : public RandomProvider {
public:
    struct Acquire {
        std::string container;
        std::uint32_t flags;
    };

    std::deque<std::uint32_t> acquireAnswers;  // then 0
    std::deque<std::uint32_t> generateAnswers; // then 0
    std::vector<Acquire> acquires;
    std::vector<RandomContext> granted;
    std::vector<RandomContext> released;
    int generates = 0;

    std::uint32_t acquire(std::string_view container, std::uint32_t flags,
                          RandomContext& context) override {
        acquires.push_back({std::string(container), flags});
        const std::uint32_t answer = Next(acquireAnswers);
        if (answer == 0) {
            context = 100 + granted.size();
            granted.push_back(context);
        }
        return answer;
    }

    std::uint32_t generate(RandomContext context, std::span<std::uint8_t> out) override {
        ++generates;
        EXPECT_TRUE(std::ranges::find(granted, context) != granted.end());
        const std::uint32_t answer = Next(generateAnswers);
        for (std::uint8_t& byte : out) {
            byte = answer == 0 ? ++counter_ : 0xEE;
        }
        return answer;
    }

    void release(RandomContext context) override { released.push_back(context); }

private:
    static std::uint32_t Next(std::deque<std::uint32_t>& answers) {
        if (answers.empty()) {
            return 0;
        }
        const std::uint32_t answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::uint8_t counter_ = 0;
};

template <std::size_t N>
std::array<std::uint8_t, N> Counting(std::uint8_t first) {
    std::array<std::uint8_t, N> bytes{};
    for (std::uint8_t& byte : bytes) {
        byte = first++;
    }
    return bytes;
}

// ---- GenerateNonce ----

enum class NonceOutput { Untouched, Random, Zero };

struct NonceCase {
    const char* name;
    std::deque<std::uint32_t> acquireAnswers;
    std::deque<std::uint32_t> generateAnswers;
    std::uint32_t expected;
    std::vector<std::uint32_t> acquireFlags;
    NonceOutput output;
};

// clang-format off
const NonceCase kNonceCases[] = {
    {"container opens",                    {},                           {},
     0,                     {0},                  NonceOutput::Random},
    {"first run creates the container",    {NTE_BAD_KEYSET},             {},
     0,                     {0, CRYPT_NEWKEYSET}, NonceOutput::Random},
    {"container cannot be created",        {NTE_BAD_KEYSET, NTE_EXISTS}, {},
     NTE_EXISTS,            {0, CRYPT_NEWKEYSET}, NonceOutput::Untouched},
    {"other acquire error is not retried", {NTE_PROV_TYPE_NOT_DEF},      {},
     NTE_PROV_TYPE_NOT_DEF, {0},                  NonceOutput::Untouched},
    {"request fails",                      {},                           {NTE_FAIL},
     NTE_FAIL,              {0},                  NonceOutput::Zero},
    {"request fails after creation",       {NTE_BAD_KEYSET},             {5},
     5,                     {0, CRYPT_NEWKEYSET}, NonceOutput::Zero},
};
// clang-format on

TEST(GenerateNonce, KeepsItsContractOnEveryPath) {
    for (const NonceCase& c : kNonceCases) {
        SCOPED_TRACE(c.name);
        ScriptedProvider scripted;
        scripted.acquireAnswers = c.acquireAnswers;
        scripted.generateAnswers = c.generateAnswers;
        const ScopedRandomProvider use(scripted);

        std::array<std::uint8_t, 20> nonce;
        nonce.fill(0x77);
        EXPECT_EQ(GenerateNonce(nonce), c.expected);

        std::vector<std::uint32_t> flags;
        for (const auto& call : scripted.acquires) {
            EXPECT_EQ(call.container, "Tamberon+");
            flags.push_back(call.flags);
        }
        EXPECT_EQ(flags, c.acquireFlags);
        // Whatever was acquired is released, nothing else.
        EXPECT_EQ(scripted.released, scripted.granted);
        std::array<std::uint8_t, 20> untouched;
        untouched.fill(0x77);
        switch (c.output) {
        case NonceOutput::Untouched:
            EXPECT_EQ(nonce, untouched);
            EXPECT_EQ(scripted.generates, 0);
            break;
        case NonceOutput::Random:
            EXPECT_EQ(nonce, Counting<20>(1));
            break;
        case NonceOutput::Zero:
            EXPECT_EQ(nonce, (std::array<std::uint8_t, 20>{}));
            break;
        }
    }
}

TEST(GenerateNonce, KernelSourceGivesFreshBytesEveryCall) {
    std::array<std::uint8_t, 20> first{};
    std::array<std::uint8_t, 20> second{};
    ASSERT_EQ(GenerateNonce(first), 0u);
    ASSERT_EQ(GenerateNonce(second), 0u);
    EXPECT_NE(first, second);
}

// ---- Filler ----

class RandomSourcesTest : public ::testing::Test {
protected:
    void SetUp() override { ResetFillerProviderForTesting(); }
    void TearDown() override { ResetFillerProviderForTesting(); }

    ScriptedProvider provider;
    ScopedRandomProvider useProvider{provider};
};

using Filler = std::array<std::uint8_t, 100>;

// One file's filler: the preparation, then 20 rounds of 5 in draw order.
Filler DrawFileFiller() {
    PrepareFillerSource();
    Filler filler{};
    for (std::size_t round = 0; round < 20; ++round) {
        DrawFillerBytes(std::span(filler).subspan(round * 5).first<5>());
    }
    return filler;
}

Filler GeneratorFiller(std::uint32_t seed) {
    ScrambleGenerator generator;
    generator.seed(seed);
    Filler filler{};
    for (std::uint8_t& byte : filler) {
        byte = static_cast<std::uint8_t>(generator.next());
    }
    return filler;
}

TEST_F(RandomSourcesTest, WithoutProviderEveryFileReseedsFromTheTickCount) {
    provider.acquireAnswers = {NTE_BAD_KEYSET, NTE_BAD_KEYSET, NTE_BAD_KEYSET};
    Filler first{};
    Filler second{};
    Filler third{};
    {
        const ScopedTickCount tick(0x0BADF00D);
        first = DrawFileFiller();
        second = DrawFileFiller();
    }
    {
        const ScopedTickCount tick(42);
        third = DrawFileFiller();
    }
    EXPECT_EQ(first, GeneratorFiller(0x0BADF00D));
    EXPECT_EQ(second, first);
    EXPECT_EQ(third, GeneratorFiller(42));

    EXPECT_FALSE(HasFillerProvider());
    ASSERT_EQ(provider.acquires.size(), 3u);
    for (const auto& call : provider.acquires) {
        EXPECT_EQ(call.container, "");
        EXPECT_EQ(call.flags, CRYPT_VERIFYCONTEXT);
    }
    EXPECT_EQ(provider.generates, 0);
}

TEST_F(RandomSourcesTest, FallbackSeedsOnlyTheCallingThread) {
    provider.acquireAnswers = {NTE_FAIL};
    ThreadScrambleGenerator().seed(85);
    const ScopedTickCount tick(7);
    Filler workerFiller{};
    std::thread([&] { workerFiller = DrawFileFiller(); }).join();
    EXPECT_EQ(workerFiller, GeneratorFiller(7));
    EXPECT_EQ(ThreadScrambleGenerator().next(), 316u);
}

TEST_F(RandomSourcesTest, OnceAcquiredTheProviderServesEveryFileWithoutSeeding) {
    ThreadScrambleGenerator().seed(85);
    const Filler first = DrawFileFiller();
    const Filler second = DrawFileFiller();

    EXPECT_TRUE(HasFillerProvider());
    EXPECT_EQ(provider.acquires.size(), 1u);
    EXPECT_EQ(provider.generates, 40);
    EXPECT_EQ(first, Counting<100>(1));
    EXPECT_EQ(second, Counting<100>(101));
    EXPECT_EQ(ThreadScrambleGenerator().next(), 316u);
    // Kept for the life of the process.
    EXPECT_TRUE(provider.released.empty());
}

TEST_F(RandomSourcesTest, AFailedAcquisitionIsRetriedAtTheNextFile) {
    provider.acquireAnswers = {NTE_FAIL};
    const ScopedTickCount tick(1000);
    EXPECT_EQ(DrawFileFiller(), GeneratorFiller(1000));
    EXPECT_EQ(DrawFileFiller(), Counting<100>(1));
    EXPECT_EQ(provider.acquires.size(), 2u);
}

TEST_F(RandomSourcesTest, AFailedRequestDrawsFromTheTickSeededGenerator) {
    // Rounds 0 and 3 succeed; every other request fails after scribbling.
    provider.generateAnswers = {0, NTE_FAIL, NTE_FAIL, 0};
    for (int i = 0; i < 16; ++i) {
        provider.generateAnswers.push_back(NTE_FAIL);
    }
    const ScopedTickCount tick(0x00C0FFEE);
    const Filler filler = DrawFileFiller();

    const Filler fallback = GeneratorFiller(0x00C0FFEE);
    Filler expected{};
    std::ranges::copy(Counting<5>(1), expected.begin());
    std::copy_n(fallback.begin(), 10, expected.begin() + 5);
    std::ranges::copy(Counting<5>(6), expected.begin() + 15);
    std::copy_n(fallback.begin() + 10, 80, expected.begin() + 20);
    EXPECT_EQ(filler, expected);
}

} // namespace
