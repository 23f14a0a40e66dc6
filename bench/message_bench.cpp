// Sealing and opening a 10 MB text message in memory, armour included: the
// core of what the window's Encrypt and Decrypt do.

#include "container/OpenMessage.h"
#include "container/SealMessage.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

constexpr std::int64_t kTextBytes = 10'000'000;

// Lines of mixed ASCII and two-byte UTF-8, as a long mail would have.
std::string Text() {
    const std::string line = "Meet at ten by the gr\xC3\xBCne T\xC3\xBCr, bring the papers.\n";
    std::string text;
    text.reserve(std::size_t{kTextBytes} + line.size());
    while (text.size() < std::size_t{kTextBytes}) {
        text += line;
    }
    text.resize(std::size_t{kTextBytes});
    return text;
}

std::span<const std::uint8_t> Password() {
    static const std::string password = "correct horse battery staple";
    return {reinterpret_cast<const std::uint8_t*>(password.data()), password.size()};
}

void BM_SealMessage(benchmark::State& state) {
    const std::string text = Text();
    for (auto _ : state) {
        std::string armour;
        if (SealMessage(text, Password(), false, "Comment", armour) != RC_OK) {
            state.SkipWithError("sealing failed");
            return;
        }
        benchmark::DoNotOptimize(armour.data());
    }
    state.SetBytesProcessed(state.iterations() * kTextBytes);
}

void BM_OpenMessage(benchmark::State& state) {
    std::string armour;
    if (SealMessage(Text(), Password(), false, "Comment", armour) != RC_OK) {
        state.SkipWithError("sealing failed");
        return;
    }
    // Found inside a longer pasted text, as a reader gets it.
    const std::string pasted = "Hello,\r\n\r\n" + armour + "\r\n\r\nRegards\r\n";
    for (auto _ : state) {
        OpenedMessage opened;
        if (OpenMessage(pasted, Password(), opened) != RC_OK) {
            state.SkipWithError("opening failed");
            return;
        }
        benchmark::DoNotOptimize(opened.text.data());
    }
    state.SetBytesProcessed(state.iterations() * kTextBytes);
}

BENCHMARK(BM_SealMessage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMessage)->Unit(benchmark::kMillisecond);

} // namespace
