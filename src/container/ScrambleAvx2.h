#pragma once
// The scrambler 32 bytes at a time on AVX2: 32 generator lanes, each jumping
// 32 steps, and the chain as a prefix XOR within the vector. Same bytes as
// the one-byte-at-a-time definition, for any length and split.

#include "container/ScrambleKeystream.h"

// Null where the build leaves AVX2 out or the processor lacks it.
ScrambleKernel ScrambleAvx2();
ScrambleKernel UnscrambleAvx2();
