#pragma once
// The scrambler a 64-bit word at a time in plain C++: sixteen generator lanes
// each jumping sixteen steps, the chain as a prefix XOR within the word.
// Same bytes as the one-byte-at-a-time definition, for any length and split.

#include "container/ScrambleKeystream.h"

void ScrambleWords(ScrambleCursor& cursor, std::span<std::uint8_t> bytes);
void UnscrambleWords(ScrambleCursor& cursor, std::span<std::uint8_t> bytes);
