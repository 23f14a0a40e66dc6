// Throughput of the scrambler per implementation over 1 MiB, both ways,
// beside the one-byte-at-a-time definition on the generator.

#include "container/ScrambleAvx2.h"
#include "container/ScrambleState.h"
#include "container/ScrambleWords.h"
#include "crypto/ScrambleGenerator.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

constexpr std::int64_t kBufferBytes = 1 << 20;

void ByteAtATime(ScrambleCursor& cursor, std::span<std::uint8_t> bytes) {
    ScrambleGenerator generator;
    generator.seed(cursor.state);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(byte ^ ~generator.next() ^ cursor.chain);
        cursor.chain = byte;
    }
}

void Run(benchmark::State& state, ScrambleKernel kernel) {
    if (kernel == nullptr) {
        state.SkipWithError("UNAVAILABLE on this processor or build");
        return;
    }
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(state.range(0)), 0x5A);
    ScrambleCursor cursor = kScrambleRegionStart;
    for (auto _ : state) {
        kernel(cursor, buffer);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_ScrambleByteAtATime(benchmark::State& state) {
    Run(state, &ByteAtATime);
}
void BM_ScrambleWords(benchmark::State& state) {
    Run(state, &ScrambleWords);
}
void BM_UnscrambleWords(benchmark::State& state) {
    Run(state, &UnscrambleWords);
}
void BM_ScrambleAvx2(benchmark::State& state) {
    Run(state, ScrambleAvx2());
}
void BM_UnscrambleAvx2(benchmark::State& state) {
    Run(state, UnscrambleAvx2());
}

BENCHMARK(BM_ScrambleByteAtATime)->Arg(kBufferBytes);
BENCHMARK(BM_ScrambleWords)->Arg(kBufferBytes);
BENCHMARK(BM_UnscrambleWords)->Arg(kBufferBytes);
BENCHMARK(BM_ScrambleAvx2)->Arg(kBufferBytes);
BENCHMARK(BM_UnscrambleAvx2)->Arg(kBufferBytes);

} // namespace
