// Sealing and opening a 10 MB text message in memory, armour included: the
// core of what the window's Encrypt and Decrypt do.

#include "MessageText.h"
#include "container/OpenMessage.h"
#include "container/SealMessage.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

constexpr auto kTextBytes = static_cast<std::int64_t>(kMessageTextBytes);

void BM_SealMessage(benchmark::State& state) {
    const std::string text = MessageText();
    for (auto _ : state) {
        std::string armour;
        if (SealMessage(text, MessagePassword(), false, "Comment", armour) != RC_OK) {
            state.SkipWithError("sealing failed");
            return;
        }
        benchmark::DoNotOptimize(armour.data());
    }
    state.SetBytesProcessed(state.iterations() * kTextBytes);
}

void BM_OpenMessage(benchmark::State& state) {
    std::string armour;
    if (SealMessage(MessageText(), MessagePassword(), false, "Comment", armour) != RC_OK) {
        state.SkipWithError("sealing failed");
        return;
    }
    // Found inside a longer pasted text, as a reader gets it.
    const std::string pasted = "Hello,\r\n\r\n" + armour + "\r\n\r\nRegards\r\n";
    for (auto _ : state) {
        OpenedMessage opened;
        if (OpenMessage(pasted, MessagePassword(), opened) != RC_OK) {
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
