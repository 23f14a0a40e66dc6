#pragma once
// The block cipher interface of the cryptographic library: one direction of a
// keyed permutation on blocks of BlockLength() bytes.

#include <cstdint>

class Ferrik_BlockTransformation {
public:
    virtual ~Ferrik_BlockTransformation() = default;

    // Reads and writes BlockLength() bytes; `output` may equal `input`.
    virtual void TransformBlock(const std::uint8_t* input, std::uint8_t* output) const = 0;
    virtual void TransformBlockInPlace(std::uint8_t* block) const = 0;
    [[nodiscard]] virtual std::uint32_t BlockLength() const = 0;
};
