#pragma once
// The stream cipher interface of the cryptographic library: each byte is
// transformed with the next keystream byte, in order.

#include <cstdint>

class Ferrik_StreamCipher {
public:
    virtual ~Ferrik_StreamCipher() = default;

    virtual std::uint8_t TransformByte(std::uint8_t input) = 0;
    virtual void TransformBytes(std::uint8_t* output, const std::uint8_t* input,
                                std::uint32_t length) {
        for (std::uint32_t i = 0; i < length; ++i) {
            output[i] = TransformByte(input[i]);
        }
    }
    virtual void TransformBytesInPlace(std::uint8_t* buffer, std::uint32_t length) {
        for (std::uint32_t i = 0; i < length; ++i) {
            buffer[i] = TransformByte(buffer[i]);
        }
    }
};
