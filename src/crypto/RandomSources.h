#pragma once
// The two random sources of new key blocks: the 20-byte nonce, drawn from the
// strong provider opened on the key container "Tamberon+" for every call, and
// the 5-byte filler draws of file encryption, from the process-wide
// FillerProvider or, without one, the calling thread's tick-seeded generator.

#include <cstdint>
#include <span>

inline constexpr char kNonceContainer[] = "Tamberon+";

// 0 with 20 strong random bytes in out. A non-zero error with out untouched
// when no context can be acquired, or with out zeroed when the request fails.
[[nodiscard]] std::uint32_t GenerateNonce(std::span<std::uint8_t, 20> out);

// Once per file, before its filler draws: acquires FillerProvider if absent;
// when that fails, seeds this thread's generator with the tick count.
void PrepareFillerSource();

// Five bytes from FillerProvider, or the low bytes of five generator values
// when there is no provider or its request fails.
void DrawFillerBytes(std::span<std::uint8_t, 5> out);

// Whether FillerProvider has been acquired.
bool HasFillerProvider();

// Forgets and releases FillerProvider so a test can start from a fresh process.
void ResetFillerProviderForTesting();
