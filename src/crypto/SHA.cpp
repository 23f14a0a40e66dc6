#include "crypto/SHA.h"

#include "crypto/HashWords.h"
#include "crypto/Sha1Compress.h"

#include <algorithm>
#include <iterator>

SHA::SHA() : Ferrik_IteratedHash<unsigned long>(kDigestLength) {
    SHA::ResetState();
}

void SHA::ResetState() {
    m_bitCountLow = 0;
    m_bitCountHigh = 0;
    std::copy(std::begin(kSha1InitialState), std::end(kSha1InitialState), m_state.data());
}

void SHA::Compress() {
    Sha1Compress(std::span<std::uint32_t, 5>(m_state.data(), 5),
                 std::span<const std::uint32_t, 16>(m_data.data(), 16));
}

void SHA::CompressBlock(const std::uint8_t* block) {
    LoadBigEndianWords(m_data.data(), block, 16);
    Compress();
}

void SHA::CompressBlocks(const std::uint8_t* blocks, std::size_t count) {
    Sha1CompressBlocks(std::span<std::uint32_t, 5>(m_state.data(), 5), blocks, count);
}

void SHA::Final(std::uint8_t* digest) {
    PrepareLastBlock();
    Compress();
    StoreDigest(digest);
    ResetState();
}
