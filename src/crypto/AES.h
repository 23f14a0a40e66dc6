#pragma once
// AES-192 (FIPS 197, Nk = 6, Nr = 12), encryption direction only, in the
// table-driven 32-bit form. The key is the first 24 bytes of the key address;
// the round keys are wiped when the cipher is destroyed.

#include "crypto/BlockTransformation.h"
#include "crypto/WipedBuffer.h"

#include <cstdint>
#include <span>

class AES : public Ferrik_BlockTransformation {
public:
    [[nodiscard]] std::uint32_t BlockLength() const override { return kBlockBytes; }

    static constexpr std::uint32_t kBlockBytes = 16;
    static constexpr std::uint32_t kKeyBytes = 24;

protected:
    explicit AES(std::span<const std::uint8_t, kKeyBytes> key);

    static constexpr std::uint32_t kRounds = 12;
    // The expansion runs in whole groups of six words: 54, of which the
    // 12 rounds use 52.
    static constexpr std::uint32_t kRoundKeyWords = 54;

    std::uint32_t m_keyWords;
    WipedBuffer<std::uint32_t> m_roundKeys;

private:
    void ExpandKey(std::span<const std::uint8_t, kKeyBytes> key);
};

class AESEncryption : public AES {
public:
    explicit AESEncryption(std::span<const std::uint8_t, kKeyBytes> key) : AES(key) {}

    void TransformBlock(const std::uint8_t* input, std::uint8_t* output) const override;
    void TransformBlockInPlace(std::uint8_t* block) const override;
};
