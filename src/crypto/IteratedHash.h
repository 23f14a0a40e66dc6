#pragma once
// The block-iterating base of the library's 64-byte-block hashes (FIPS 180-4
// SHA-1 and SHA-256): 64-bit bit count, message padding, and whole blocks
// compressed straight from word-aligned input. Data buffer and chaining value
// are wiped on destruction.

#include "crypto/HashModule.h"
#include "crypto/WipedBuffer.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

// `Word` names the library's word; the one instance, <unsigned long>, keeps
// its words and counts in std::uint32_t so they wrap at 32 bits also where
// long is wider.
template <typename Word>
class Ferrik_IteratedHash : public virtual Ferrik_HashModule {
    static_assert(std::is_unsigned_v<Word> && sizeof(Word) >= 4);

public:
    void Update(const std::uint8_t* data, std::uint32_t length) override;
    // Bit counts to zero and the algorithm's initial chaining value.
    virtual void ResetState() = 0;

protected:
    explicit Ferrik_IteratedHash(std::uint32_t digestLength);

    // Loads 64 bytes (possibly the data buffer itself) as big-endian words into
    // the data buffer and compresses them; never writes to `block`.
    virtual void CompressBlock(const std::uint8_t* block) = 0;
    // Compresses `count` consecutive 64-byte blocks of input; by default one
    // CompressBlock each, staging unaligned blocks in the data buffer.
    virtual void CompressBlocks(const std::uint8_t* blocks, std::size_t count);

    // Appends 0x80 and zeros so that the data buffer ends at byte 56,
    // compressing an extra block when the marker leaves no room for the count.
    void PadLastBlock();
    // PadLastBlock, then the data buffer as 16 words ready for the last
    // compression: words 0..13 big-endian, words 14 and 15 the bit count.
    void PrepareLastBlock();
    // Writes the chaining value most significant byte first.
    void StoreDigest(std::uint8_t* digest) const;

    std::uint8_t* DataBytes() { return reinterpret_cast<std::uint8_t*>(m_data.data()); }

    std::uint32_t m_blockLength;
    std::uint32_t m_bitCountLow;
    std::uint32_t m_bitCountHigh;
    WipedBuffer<std::uint32_t> m_data;
    WipedBuffer<std::uint32_t> m_state;

private:
    void AddToBitCount(std::uint32_t length);
};

extern template class Ferrik_IteratedHash<unsigned long>;
