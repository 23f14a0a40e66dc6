#include "crypto/RandomSources.h"

#include "crypto/ScrambleGenerator.h"
#include "platform/Clock.h"
#include "platform/RandomProvider.h"

#include <algorithm>
#include <mutex>

namespace {

// Set at most once and kept for the life of the process. The lock costs
// nothing at 21 uses per file and keeps parallel encryptions safe.
struct FillerProviderHandle {
    std::mutex lock;
    RandomProvider* provider = nullptr;
    RandomContext context = 0;
};

FillerProviderHandle FillerProvider;

// Whether this thread's generator was seeded for the file in progress.
thread_local bool fallbackSeeded = false;

void SeedFallbackFromTickCount() {
    ThreadScrambleGenerator().seed(GetTickCount());
    fallbackSeeded = true;
}

void DrawFromGenerator(std::span<std::uint8_t, 5> out) {
    if (!fallbackSeeded) {
        SeedFallbackFromTickCount();
    }
    ScrambleGenerator& generator = ThreadScrambleGenerator();
    for (std::uint8_t& byte : out) {
        byte = static_cast<std::uint8_t>(generator.next());
    }
}

} // namespace

std::uint32_t GenerateNonce(std::span<std::uint8_t, 20> out) {
    RandomProvider& provider = CurrentRandomProvider();
    RandomContext context = 0;
    std::uint32_t error = provider.acquire(kNonceContainer, 0, context);
    if (error == NTE_BAD_KEYSET) {
        error = provider.acquire(kNonceContainer, CRYPT_NEWKEYSET, context);
    }
    if (error != 0) {
        return error;
    }
    std::ranges::fill(out, std::uint8_t{0});
    error = provider.generate(context, out);
    if (error != 0) {
        std::ranges::fill(out, std::uint8_t{0});
    }
    provider.release(context);
    return error;
}

void PrepareFillerSource() {
    const std::scoped_lock guard(FillerProvider.lock);
    fallbackSeeded = false;
    if (FillerProvider.provider != nullptr) {
        return;
    }
    RandomProvider& provider = CurrentRandomProvider();
    RandomContext context = 0;
    if (provider.acquire({}, CRYPT_VERIFYCONTEXT, context) == 0) {
        FillerProvider.provider = &provider;
        FillerProvider.context = context;
        return;
    }
    SeedFallbackFromTickCount();
}

void DrawFillerBytes(std::span<std::uint8_t, 5> out) {
    const std::scoped_lock guard(FillerProvider.lock);
    if (FillerProvider.provider != nullptr &&
        FillerProvider.provider->generate(FillerProvider.context, out) == 0) {
        return;
    }
    // A failed request must not leave the previous round's bytes in place.
    DrawFromGenerator(out);
}

bool HasFillerProvider() {
    const std::scoped_lock guard(FillerProvider.lock);
    return FillerProvider.provider != nullptr;
}

void ResetFillerProviderForTesting() {
    const std::scoped_lock guard(FillerProvider.lock);
    if (FillerProvider.provider != nullptr) {
        FillerProvider.provider->release(FillerProvider.context);
    }
    FillerProvider.provider = nullptr;
    FillerProvider.context = 0;
}
