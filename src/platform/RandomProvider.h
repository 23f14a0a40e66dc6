#pragma once
// The strong random source in the shape of the Windows cryptographic provider
// (acquire a context, generate bytes, release it). Errors are non-zero 32-bit
// values; the kernel provider draws from getrandom(2) and treats key container
// names as names only. Tests swap the process-wide provider with a scoped override.

#include <cstdint>
#include <span>
#include <string_view>
#include <sys/types.h>

inline constexpr std::uint32_t PROV_RSA_FULL = 1;
inline constexpr std::uint32_t CRYPT_NEWKEYSET = 0x00000008;
inline constexpr std::uint32_t CRYPT_VERIFYCONTEXT = 0xF0000000;

inline constexpr std::uint32_t NTE_BAD_FLAGS = 0x80090009;
inline constexpr std::uint32_t NTE_BAD_KEYSET = 0x80090016;
inline constexpr std::uint32_t NTE_FAIL = 0x80090020;

using RandomContext = std::uintptr_t;

class RandomProvider {
public:
    virtual ~RandomProvider() = default;

    // An empty container name means none. Returns 0 and sets context, or an error.
    [[nodiscard]] virtual std::uint32_t acquire(std::string_view container, std::uint32_t flags,
                                                RandomContext& context) = 0;
    // Returns 0 with every byte of out filled, or an error.
    [[nodiscard]] virtual std::uint32_t generate(RandomContext context,
                                                 std::span<std::uint8_t> out) = 0;
    virtual void release(RandomContext context) = 0;
};

// A call shaped like getrandom(2); the kernel provider's is getrandom itself.
using EntropyCall = ssize_t (*)(void* buffer, std::size_t length, unsigned int flags);

// Fills out through call, retrying after EINTR and short returns. Returns 0, or
// the errno of the failing call (NTE_FAIL if it left errno 0).
[[nodiscard]] std::uint32_t FillFromEntropyCall(std::span<std::uint8_t> out, EntropyCall call);

// The getrandom(2) provider every process starts with.
RandomProvider& KernelRandomProvider();

// The provider the random sources use now.
RandomProvider& CurrentRandomProvider();

// Makes a provider current for its lifetime, then restores the previous one.
class ScopedRandomProvider {
public:
    explicit ScopedRandomProvider(RandomProvider& provider);
    ~ScopedRandomProvider();
    ScopedRandomProvider(const ScopedRandomProvider&) = delete;
    ScopedRandomProvider& operator=(const ScopedRandomProvider&) = delete;

private:
    RandomProvider* previous_;
};
