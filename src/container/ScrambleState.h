#pragma once
// The byte scrambler of the stored formats: each byte XORed with the inverted
// low byte of the fixed-seed generator and with the previous stored byte.
// One state per scrambled region; consecutive pieces of a region carry over.
// Many bytes at a time (AVX2 where usable), same bytes as one at a time.

#include "container/ScrambleKeystream.h"

#include <cstdint>
#include <span>

class ScrambleState {
public:
    ScrambleState() { begin(); }

    // Restarts the region: generator seed 85, chain byte 0x55.
    void begin();
    // Takes the region up at byte `offset`, after the stored byte before it,
    // so separate pieces of one region can be worked on at once.
    void resume(std::uint64_t offset, std::uint8_t previousStored);
    void scramble(std::span<std::uint8_t> bytes);
    void unscramble(std::span<std::uint8_t> bytes);

private:
    ScrambleCursor cursor_{};
};
