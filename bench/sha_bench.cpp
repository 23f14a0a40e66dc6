// Throughput of SHA-1 and SHA-256 per implementation over 1 MiB, and of
// SHA-1 through the streaming routines the containers call.

#include "crypto/Sha1CompressShaNi.h"
#include "crypto/Sha1Context.h"
#include "crypto/Sha256CompressShaNi.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

constexpr std::int64_t kBufferBytes = 1 << 20;

template <std::size_t Words, typename Blocks>
void Run(benchmark::State& state, Blocks blocks) {
    if (blocks == nullptr) {
        state.SkipWithError("UNAVAILABLE on this processor or build");
        return;
    }
    const std::vector<std::uint8_t> buffer(static_cast<std::size_t>(state.range(0)), 0x5A);
    std::array<std::uint32_t, Words> chaining{};
    for (auto _ : state) {
        blocks(chaining, buffer.data(), buffer.size() / 64);
        benchmark::DoNotOptimize(chaining);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_Sha1Portable(benchmark::State& state) {
    Run<5>(state, &Sha1CompressBlocksPortable);
}
void BM_Sha1ShaNi(benchmark::State& state) {
    Run<5>(state, Sha1ShaNiBlocks());
}
void BM_Sha256Portable(benchmark::State& state) {
    Run<8>(state, &Sha256CompressBlocksPortable);
}
void BM_Sha256ShaNi(benchmark::State& state) {
    Run<8>(state, Sha256ShaNiBlocks());
}

// Whichever path the process chose, padding and final block included.
void BM_Sha1Streaming(benchmark::State& state) {
    const std::vector<std::uint8_t> buffer(static_cast<std::size_t>(state.range(0)), 0x5A);
    for (auto _ : state) {
        Sha1Context context;
        Sha1Init(context);
        Sha1Update(context, buffer.data(), static_cast<std::uint32_t>(buffer.size()));
        benchmark::DoNotOptimize(Sha1Final(context));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_Sha1Portable)->Arg(kBufferBytes);
BENCHMARK(BM_Sha1ShaNi)->Arg(kBufferBytes);
BENCHMARK(BM_Sha256Portable)->Arg(kBufferBytes);
BENCHMARK(BM_Sha256ShaNi)->Arg(kBufferBytes);
BENCHMARK(BM_Sha1Streaming)->Arg(kBufferBytes);

} // namespace
