#include "crypto/IteratedHash.h"

#include "crypto/HashWords.h"

#include <cstring>

namespace {

constexpr std::uint32_t kBlockBytes = 64;
constexpr std::uint32_t kLengthOffset = 56;
constexpr std::uint8_t kPadMarker = 0x80;

bool IsWordAligned(const std::uint8_t* data) {
    return reinterpret_cast<std::uintptr_t>(data) % alignof(std::uint32_t) == 0;
}

} // namespace

template <typename Word>
Ferrik_IteratedHash<Word>::Ferrik_IteratedHash(std::uint32_t digestLength)
    : m_blockLength(kBlockBytes), m_bitCountLow(0), m_bitCountHigh(0), m_data(kBlockBytes / 4),
      m_state(digestLength / 4) {}

template <typename Word>
void Ferrik_IteratedHash<Word>::AddToBitCount(std::uint32_t length) {
    const std::uint32_t bits = length << 3;
    m_bitCountLow += bits;
    if (m_bitCountLow < bits) {
        ++m_bitCountHigh;
    }
    m_bitCountHigh += length >> 29;
}

template <typename Word>
void Ferrik_IteratedHash<Word>::Update(const std::uint8_t* data, std::uint32_t length) {
    if (length == 0) {
        return;
    }
    const std::uint32_t used = (m_bitCountLow >> 3) % m_blockLength;
    AddToBitCount(length);
    std::uint8_t* pending = DataBytes();

    if (used > 0) {
        const std::uint32_t room = m_blockLength - used;
        if (length < room) {
            std::memcpy(pending + used, data, length);
            return;
        }
        std::memcpy(pending + used, data, room);
        CompressBlock(pending);
        data += room;
        length -= room;
    }
    const std::uint32_t wholeBytes = length - length % m_blockLength;
    CompressBlocks(data, wholeBytes / m_blockLength);
    data += wholeBytes;
    length -= wholeBytes;
    std::memcpy(pending, data, length);
}

template <typename Word>
void Ferrik_IteratedHash<Word>::CompressBlocks(const std::uint8_t* blocks, std::size_t count) {
    std::uint8_t* pending = DataBytes();
    for (; count > 0; --count, blocks += m_blockLength) {
        // Unaligned blocks are staged in the data buffer, where word access is safe.
        if (IsWordAligned(blocks)) {
            CompressBlock(blocks);
        } else {
            std::memcpy(pending, blocks, m_blockLength);
            CompressBlock(pending);
        }
    }
}

template <typename Word>
void Ferrik_IteratedHash<Word>::PadLastBlock() {
    std::uint8_t* pending = DataBytes();
    std::uint32_t used = (m_bitCountLow >> 3) % m_blockLength;
    pending[used++] = kPadMarker;
    if (used <= kLengthOffset) {
        std::memset(pending + used, 0, kLengthOffset - used);
        return;
    }
    std::memset(pending + used, 0, m_blockLength - used);
    CompressBlock(pending);
    std::memset(pending, 0, kLengthOffset);
}

template <typename Word>
void Ferrik_IteratedHash<Word>::PrepareLastBlock() {
    PadLastBlock();
    LoadBigEndianWords(m_data.data(), DataBytes(), kLengthOffset / 4);
    m_data[14] = m_bitCountHigh;
    m_data[15] = m_bitCountLow;
}

template <typename Word>
void Ferrik_IteratedHash<Word>::StoreDigest(std::uint8_t* digest) const {
    StoreBigEndianWords(digest, m_state.data(), m_state.size());
}

template class Ferrik_IteratedHash<unsigned long>;
