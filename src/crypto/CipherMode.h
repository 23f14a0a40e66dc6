#pragma once
// The state a block cipher mode keeps beside the cipher it borrows: the block
// length S, an S-byte register and the S-byte keystream block, both wiped on
// destruction. The cipher is not owned and never touched on destruction.

#include "crypto/BlockTransformation.h"
#include "crypto/WipedBuffer.h"

#include <algorithm>
#include <cstdint>

class Ferrik_CipherMode {
protected:
    // Copies the first BlockLength() bytes at `iv` into the register.
    Ferrik_CipherMode(Ferrik_BlockTransformation& cipher, const std::uint8_t* iv)
        : m_cipher(cipher), m_blockLength(cipher.BlockLength()), m_register(m_blockLength),
          m_keystreamBlock(m_blockLength) {
        std::copy_n(iv, m_blockLength, m_register.data());
    }

    Ferrik_BlockTransformation& m_cipher;
    std::uint32_t m_blockLength;
    WipedBuffer<std::uint8_t> m_register;
    WipedBuffer<std::uint8_t> m_keystreamBlock;
};
