#pragma once
// SHA-1 of FIPS 180-4 in the library's hash class family: 20-byte digests,
// standard digest byte order. Only the password key derivation uses it.

#include "crypto/IteratedHash.h"

#include <cstddef>
#include <cstdint>

class SHA final : public Ferrik_IteratedHash<unsigned long> {
public:
    static constexpr std::uint32_t kDigestLength = 20;

    SHA();

    void Final(std::uint8_t* digest) override;
    [[nodiscard]] std::uint32_t DigestLength() const override { return kDigestLength; }
    void ResetState() override;

protected:
    void CompressBlock(const std::uint8_t* block) override;
    void CompressBlocks(const std::uint8_t* blocks, std::size_t count) override;

private:
    void Compress();
};
