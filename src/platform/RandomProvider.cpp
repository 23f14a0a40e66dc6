#include "platform/RandomProvider.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <sys/random.h>

namespace {

constexpr std::uint32_t kKnownFlags = CRYPT_NEWKEYSET | CRYPT_VERIFYCONTEXT;

// errno values are small positive numbers and never collide with the NTE_ codes.
std::uint32_t ErrorFromErrno(int error) {
    return error > 0 ? static_cast<std::uint32_t>(error) : NTE_FAIL;
}

class KernelProvider final : public RandomProvider {
public:
    std::uint32_t acquire(std::string_view, std::uint32_t flags, RandomContext& context) override {
        if ((flags & ~kKnownFlags) != 0) {
            return NTE_BAD_FLAGS;
        }
        // An empty request still fails with ENOSYS where the kernel lacks the call.
        std::uint8_t probe = 0;
        if (getrandom(&probe, 0, 0) < 0) {
            return ErrorFromErrno(errno);
        }
        context = 1;
        return 0;
    }

    std::uint32_t generate(RandomContext, std::span<std::uint8_t> out) override {
        return FillFromEntropyCall(out, getrandom);
    }

    void release(RandomContext) override {}
};

std::atomic<RandomProvider*>& CurrentSlot() {
    static std::atomic<RandomProvider*> current{&KernelRandomProvider()};
    return current;
}

} // namespace

std::uint32_t FillFromEntropyCall(std::span<std::uint8_t> out, EntropyCall call) {
    while (!out.empty()) {
        errno = 0;
        const ssize_t got = call(out.data(), out.size(), 0);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        // A call that makes no progress would otherwise spin for ever.
        if (got <= 0) {
            return ErrorFromErrno(errno);
        }
        out = out.subspan(std::min(static_cast<std::size_t>(got), out.size()));
    }
    return 0;
}

RandomProvider& KernelRandomProvider() {
    static KernelProvider provider;
    return provider;
}

RandomProvider& CurrentRandomProvider() {
    return *CurrentSlot().load();
}

ScopedRandomProvider::ScopedRandomProvider(RandomProvider& provider)
    : previous_(CurrentSlot().exchange(&provider)) {}

ScopedRandomProvider::~ScopedRandomProvider() {
    CurrentSlot().store(previous_);
}
