#include "container/ScrambleState.h"

namespace {
constexpr std::uint32_t kRegionSeed = 85;
constexpr std::uint8_t kRegionChain = 0x55;
} // namespace

void ScrambleState::begin() {
    generator_.seed(kRegionSeed);
    chain_ = kRegionChain;
}

std::uint8_t ScrambleState::nextMask() {
    return static_cast<std::uint8_t>(~generator_.next());
}

void ScrambleState::scramble(std::span<std::uint8_t> bytes) {
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(byte ^ nextMask() ^ chain_);
        chain_ = byte;
    }
}

void ScrambleState::unscramble(std::span<std::uint8_t> bytes) {
    for (std::uint8_t& byte : bytes) {
        const std::uint8_t stored = byte;
        byte = static_cast<std::uint8_t>(stored ^ chain_ ^ nextMask());
        chain_ = stored;
    }
}
