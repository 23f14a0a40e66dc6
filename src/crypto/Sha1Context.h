#pragma once
// SHA-1 (FIPS 180-4) over a caller-owned plain record: the streaming form the
// containers use for every digest they store or check. Never allocates, never
// fails; nothing in a context is wiped.

#include <cstdint>

struct Sha1Context {
    std::uint32_t block[16]; // pending raw input bytes, then big-endian words
    std::uint32_t state[5];  // H0..H4; after Sha1Final the 20 digest bytes
    std::uint32_t countHigh; // total bytes hashed, high word
    std::uint32_t countLow;  // total bytes hashed, low word
};

// Sets the standard initial chaining value and zero counts; the block is left
// as it is, so a caller that stores those seven words itself gets the same.
void Sha1Init(Sha1Context& context);
// At most 2^32 - 1 bytes a call; the total is counted to 64 bits.
void Sha1Update(Sha1Context& context, const std::uint8_t* data, std::uint32_t length);
// Writes the digest over the chaining value and returns its address; the
// context must be initialised again before it hashes another message.
const std::uint8_t* Sha1Final(Sha1Context& context);
