// Throughput of AES-192 counter mode per implementation, in place over
// buffers of 64 KiB and 1.3 MB, and through ApplyKeystreamChunked.

#include "crypto/Aes192Ctr.h"
#include "crypto/Keystream.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

constexpr std::array<std::uint8_t, 16> kIv = {0xf0, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7,
                                              0xf8, 0xf9, 0xfa, 0xfb, 0xfc, 0xfd, 0xfe, 0xff};
constexpr std::array<std::uint8_t, 24> kKey = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                               13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

void Run(benchmark::State& state, Aes192CtrPath path) {
    if (!Aes192CtrUsable(path)) {
        state.SkipWithError("UNAVAILABLE on this processor or build");
        return;
    }
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(state.range(0)), 0x5A);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Aes192CtrApply(path, kIv, kKey, buffer, 0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_Aes192CtrPortable(benchmark::State& state) {
    Run(state, Aes192CtrPath::kPortable);
}
void BM_Aes192CtrAesNi(benchmark::State& state) {
    Run(state, Aes192CtrPath::kAesNi);
}
void BM_Aes192CtrVaes(benchmark::State& state) {
    Run(state, Aes192CtrPath::kVaes);
}

// What the containers call, on whichever path the processor allows.
void BM_ApplyKeystreamChunked(benchmark::State& state) {
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(state.range(0)), 0x5A);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApplyKeystreamChunked(kIv, kKey, buffer, 0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetLabel(Aes192CtrName(Aes192CtrFastest()));
}

constexpr std::int64_t kSmall = 64 * 1024;
constexpr std::int64_t kLarge = 1300000;

BENCHMARK(BM_Aes192CtrPortable)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(BM_Aes192CtrAesNi)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(BM_Aes192CtrVaes)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(BM_ApplyKeystreamChunked)->Arg(kSmall)->Arg(kLarge);

} // namespace
