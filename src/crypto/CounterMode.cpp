#include "crypto/CounterMode.h"

#include <algorithm>

Ferrik_CounterMode::Ferrik_CounterMode(Ferrik_BlockTransformation& cipher, const std::uint8_t* iv)
    : Ferrik_CipherMode(cipher, iv), m_initialCounter(m_blockLength), m_position(0) {
    std::copy_n(iv, m_blockLength, m_initialCounter.data());
    EncipherRegister();
}

std::uint8_t Ferrik_CounterMode::NextByte() {
    RefillIfUsedUp();
    return m_keystreamBlock[m_position++];
}

std::uint8_t Ferrik_CounterMode::TransformByte(std::uint8_t input) {
    return static_cast<std::uint8_t>(input ^ NextByte());
}

void Ferrik_CounterMode::TransformBytesInPlace(std::uint8_t* buffer, std::uint32_t length) {
    while (length != 0) {
        RefillIfUsedUp();
        const std::uint32_t run = std::min(length, m_blockLength - m_position);
        const std::uint8_t* keystream = m_keystreamBlock.data() + m_position;
        for (std::uint32_t i = 0; i < run; ++i) {
            buffer[i] = static_cast<std::uint8_t>(buffer[i] ^ keystream[i]);
        }
        buffer += run;
        length -= run;
        m_position += run;
    }
}

void Ferrik_CounterMode::SetPosition(std::uint32_t offset) {
    std::uint32_t blocks = offset / m_blockLength;
    std::uint32_t carry = 0;
    for (std::uint32_t i = m_blockLength; i-- > 0;) {
        const std::uint32_t sum = m_initialCounter[i] + (blocks & 0xFF) + carry;
        m_register[i] = static_cast<std::uint8_t>(sum);
        carry = sum >> 8;
        blocks >>= 8;
    }
    EncipherRegister();
    m_position = offset % m_blockLength;
}

void Ferrik_CounterMode::IncrementRegister() {
    for (std::uint32_t i = m_blockLength; i-- > 0;) {
        if (++m_register[i] != 0) {
            break;
        }
    }
}

void Ferrik_CounterMode::EncipherRegister() {
    m_cipher.TransformBlock(m_register.data(), m_keystreamBlock.data());
}

void Ferrik_CounterMode::RefillIfUsedUp() {
    if (m_position == m_blockLength) {
        IncrementRegister();
        EncipherRegister();
        m_position = 0;
    }
}
