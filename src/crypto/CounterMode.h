#pragma once
// Counter mode: keystream byte n is byte n mod S of E(IV + n div S), the sum
// big-endian modulo 2^(8S). Both a byte generator and a stream cipher that
// can be positioned at any 32-bit offset. Counter state is wiped on destruction.

#include "crypto/BlockTransformation.h"
#include "crypto/CipherMode.h"
#include "crypto/RandomAccessStreamCipher.h"
#include "crypto/RandomNumberGenerator.h"
#include "crypto/WipedBuffer.h"

#include <cstdint>

class Ferrik_CounterMode : public Ferrik_RandomNumberGenerator,
                           public Ferrik_RandomAccessStreamCipher,
                           private Ferrik_CipherMode {
public:
    // Reads BlockLength() IV bytes; starts at offset 0. The cipher must
    // outlive every call on the mode.
    Ferrik_CounterMode(Ferrik_BlockTransformation& cipher, const std::uint8_t* iv);

    std::uint8_t NextByte() override;
    std::uint8_t TransformByte(std::uint8_t input) override;
    void TransformBytesInPlace(std::uint8_t* buffer, std::uint32_t length) override;
    // Counts from the IV, never from the current register.
    void SetPosition(std::uint32_t offset) override;

private:
    void IncrementRegister();
    void EncipherRegister();
    // Moves to the next block once the current one is used up.
    void RefillIfUsedUp();

    WipedBuffer<std::uint8_t> m_initialCounter;
    std::uint32_t m_position;
};
