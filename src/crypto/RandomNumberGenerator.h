#pragma once
// The byte generator interface of the cryptographic library. Everything but
// NextByte is built on it: parity bits, rejection-sampled ranges, blocks.

#include <cstdint>

class Ferrik_RandomNumberGenerator {
public:
    virtual ~Ferrik_RandomNumberGenerator() = default;

    virtual std::uint8_t NextByte() = 0;
    // The parity of one byte: 0 or 1.
    virtual std::uint32_t NextBit();
    // Uniform in min..max: draws as many bytes as max - min needs, keeps its
    // bit length and retries until the value fits. Draws nothing when
    // min == max. With min > max the range wraps through 2^32.
    virtual std::uint32_t NextInRange(std::uint32_t min, std::uint32_t max);
    virtual std::uint32_t NextInRange16(std::uint16_t min, std::uint16_t max);
    virtual void NextBlock(std::uint8_t* output, std::uint32_t length);
};
