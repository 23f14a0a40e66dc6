#pragma once
// The linear congruential generator behind the byte scrambler and the
// clock-seeded filler: state = state * 214013 + 2531011, output 15 bits.

#include <cstdint>

class ScrambleGenerator {
public:
    void seed(std::uint32_t value) { state_ = value; }
    std::uint32_t next() {
        state_ = state_ * 214013u + 2531011u;
        return (state_ >> 16) & 0x7FFFu;
    }

private:
    std::uint32_t state_ = 0;
};

// The calling thread's own generator (file filler fallback, message filler).
ScrambleGenerator& ThreadScrambleGenerator();
