#pragma once
// The scrambler eight bytes at a time in plain C++: eight generator lanes
// each jumping eight steps, the chain as a prefix XOR within a 64-bit word.
// Same bytes as the one-byte-at-a-time definition, for any length and split.

#include "container/ScrambleKeystream.h"

void ScrambleWords(ScrambleCursor& cursor, std::span<std::uint8_t> bytes);
void UnscrambleWords(ScrambleCursor& cursor, std::span<std::uint8_t> bytes);
