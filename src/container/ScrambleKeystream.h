#pragma once
// The scrambler's keystream as arithmetic: the generator state after n steps
// is an affine map of the state now (state * 214013 + 2531011 per step, modulo
// 2^32), so many steps can be taken at once; each step's mask byte is NOT of
// bits 16..23 of the state. Shared by the scrambler's implementations.

#include <cstddef>
#include <cstdint>
#include <span>

// Where a region stands: the generator state after the last byte done and the
// chain byte (the last stored byte).
struct ScrambleCursor {
    std::uint32_t state;
    std::uint8_t chain;
};

inline constexpr ScrambleCursor kScrambleRegionStart{85, 0x55};

// state -> multiplier * state + increment, modulo 2^32.
struct LcgJump {
    std::uint32_t multiplier;
    std::uint32_t increment;

    constexpr std::uint32_t operator()(std::uint32_t state) const {
        return multiplier * state + increment;
    }
    // This jump, then `next`.
    constexpr LcgJump then(LcgJump next) const {
        return {next.multiplier * multiplier, next.multiplier * increment + next.increment};
    }
};

inline constexpr LcgJump kScrambleStep{214013u, 2531011u};

// The jump of `steps` generator steps, by squaring.
constexpr LcgJump ScrambleJump(std::uint64_t steps) {
    LcgJump result{1, 0};
    LcgJump power = kScrambleStep;
    for (; steps > 0; steps >>= 1) {
        if ((steps & 1) != 0) {
            result = result.then(power);
        }
        power = power.then(power);
    }
    return result;
}

constexpr std::uint8_t ScrambleMask(std::uint32_t state) {
    return static_cast<std::uint8_t>(~(state >> 16));
}

// Scrambles or unscrambles bytes in place from `cursor`, then moves it past them.
using ScrambleKernel = void (*)(ScrambleCursor& cursor, std::span<std::uint8_t> bytes);
