// The steps of the file passes one by one on a body chunk (keystream, SHA-1,
// scrambling both ways, a copy, a write to memory-backed storage), and whole
// encryptions, verifications and decryptions of a 64 MiB file in /dev/shm,
// to see which step bounds the overlapped passes.

#include "container/BodyPass.h"
#include "container/DecryptFile.h"
#include "container/EncryptFile.h"
#include "container/ScrambleState.h"
#include "container/VerifyFile.h"
#include "crypto/Keystream.h"
#include "crypto/Sha1Context.h"
#include "platform/FileHandle.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kWholeFileSize = 64u << 20;

std::vector<std::uint8_t> Chunk() {
    std::vector<std::uint8_t> bytes(kBodyChunkSize);
    std::uint32_t state = 12345;
    for (auto& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

void CountBytes(benchmark::State& state, std::size_t bytesPerIteration) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytesPerIteration));
}

void BM_Keystream(benchmark::State& state) {
    std::vector<std::uint8_t> bytes = Chunk();
    const std::array<std::uint8_t, 16> iv{1, 2, 3};
    const std::array<std::uint8_t, 24> key{4, 5, 6};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApplyKeystreamChunked(iv, key, bytes, 0));
        benchmark::ClobberMemory();
    }
    CountBytes(state, bytes.size());
}
BENCHMARK(BM_Keystream);

void BM_Sha1(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = Chunk();
    Sha1Context context{};
    Sha1Init(context);
    for (auto _ : state) {
        Sha1Update(context, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        benchmark::DoNotOptimize(context.state[0]);
    }
    CountBytes(state, bytes.size());
}
BENCHMARK(BM_Sha1);

void BM_Scramble(benchmark::State& state) {
    std::vector<std::uint8_t> bytes = Chunk();
    ScrambleState scrambler;
    for (auto _ : state) {
        scrambler.scramble(bytes);
        benchmark::ClobberMemory();
    }
    CountBytes(state, bytes.size());
}
BENCHMARK(BM_Scramble);

void BM_Unscramble(benchmark::State& state) {
    std::vector<std::uint8_t> bytes = Chunk();
    ScrambleState scrambler;
    for (auto _ : state) {
        scrambler.unscramble(bytes);
        benchmark::ClobberMemory();
    }
    CountBytes(state, bytes.size());
}
BENCHMARK(BM_Unscramble);

void BM_Copy(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = Chunk();
    std::vector<std::uint8_t> copy(bytes.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    CountBytes(state, bytes.size());
}
BENCHMARK(BM_Copy);

std::string ShmPath(const char* name) {
    return std::string("/dev/shm/qmx-bench-") + std::to_string(::getpid()) + "-" + name;
}

// Chunks written one after the other into a file that is truncated when full.
void BM_WriteToMemoryFile(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = Chunk();
    const std::string path = ShmPath("write");
    FileHandle file(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    std::size_t written = 0;
    for (auto _ : state) {
        if (written + bytes.size() > kWholeFileSize) {
            state.PauseTiming();
            (void)::ftruncate(file.Descriptor(), 0);
            (void)file.SeekTo(0);
            written = 0;
            state.ResumeTiming();
        }
        if (!file.WriteAll(bytes)) {
            state.SkipWithError("write failed");
            break;
        }
        written += bytes.size();
    }
    ::unlink(path.c_str());
    CountBytes(state, bytes.size());
}
BENCHMARK(BM_WriteToMemoryFile);

class SilentProgress : public ProgressSink {
public:
    std::uint32_t ReportProgress(std::uint32_t, std::uint32_t) override { return 0; }
};

const std::string kPassword = "bench";

struct WholeFiles {
    WholeFiles() : source(ShmPath("source")), container(source + ".qmx"), plain(source + ".out") {
        std::vector<std::uint8_t> bytes = Chunk();
        FileHandle file(::open(source.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
        for (std::size_t done = 0; done < kWholeFileSize; done += bytes.size()) {
            bytes[0] = static_cast<std::uint8_t>(done >> 20);
            const std::size_t size = std::min(bytes.size(), kWholeFileSize - done);
            (void)file.WriteAll({bytes.data(), size});
        }
        SilentProgress progress;
        ok = EncryptFile(source, container, &kPassword, progress) == RC_OK;
    }
    ~WholeFiles() {
        for (const std::string* path : {&source, &container, &plain}) {
            ::unlink(path->c_str());
        }
    }
    std::string source;
    std::string container;
    std::string plain;
    bool ok = false;
};

void BM_EncryptFile(benchmark::State& state) {
    WholeFiles files;
    SilentProgress progress;
    for (auto _ : state) {
        if (EncryptFile(files.source, files.container, &kPassword, progress) != RC_OK) {
            state.SkipWithError("encryption failed");
            break;
        }
    }
    CountBytes(state, kWholeFileSize);
}
BENCHMARK(BM_EncryptFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VerifyFile(benchmark::State& state) {
    WholeFiles files;
    for (auto _ : state) {
        if (!files.ok || VerifyFile(files.container) != RC_OK) {
            state.SkipWithError("verification failed");
            break;
        }
    }
    CountBytes(state, kWholeFileSize);
}
BENCHMARK(BM_VerifyFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecryptFile(benchmark::State& state) {
    WholeFiles files;
    SilentProgress progress;
    for (auto _ : state) {
        if (!files.ok || DecryptFile(files.container, files.plain, &kPassword, progress) != RC_OK) {
            state.SkipWithError("decryption failed");
            break;
        }
    }
    CountBytes(state, kWholeFileSize);
}
BENCHMARK(BM_DecryptFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
