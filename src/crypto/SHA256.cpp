#include "crypto/SHA256.h"

#include "crypto/HashWords.h"
#include "crypto/Sha256Compress.h"

#include <algorithm>
#include <iterator>

SHA256::SHA256() : Ferrik_IteratedHash<unsigned long>(kDigestLength) {
    SHA256::ResetState();
}

void SHA256::ResetState() {
    m_bitCountLow = 0;
    m_bitCountHigh = 0;
    std::copy(std::begin(kSha256InitialState), std::end(kSha256InitialState), m_state.data());
}

void SHA256::Compress() {
    Sha256Compress(std::span<std::uint32_t, 8>(m_state.data(), 8),
                   std::span<const std::uint32_t, 16>(m_data.data(), 16));
}

void SHA256::CompressBlock(const std::uint8_t* block) {
    LoadBigEndianWords(m_data.data(), block, 16);
    Compress();
}

void SHA256::CompressBlocks(const std::uint8_t* blocks, std::size_t count) {
    Sha256CompressBlocks(std::span<std::uint32_t, 8>(m_state.data(), 8), blocks, count);
}

void SHA256::Final(std::uint8_t* digest) {
    PrepareLastBlock();
    Compress();
    StoreDigest(digest);
    ResetState();
}
