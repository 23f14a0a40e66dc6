#include "container/KeyBlock.h"

#include "container/LittleEndian.h"
#include "crypto/Sha1Context.h"

#include <algorithm>
#include <cstring>

namespace {

Sha1Digest DigestOfLeadingBytes(std::span<const std::uint8_t, kKeyBlockSize> keyBlock,
                                std::uint32_t length) {
    Sha1Context context{};
    Sha1Init(context);
    Sha1Update(context, keyBlock.data(), length);
    Sha1Digest digest;
    std::memcpy(digest.data(), Sha1Final(context), digest.size());
    return digest;
}

} // namespace

void StartKeyBlock(std::span<std::uint8_t, kKeyBlockSize> keyBlock, std::uint32_t originalSize,
                   std::uint32_t flags) {
    std::ranges::fill(keyBlock, std::uint8_t{0});
    SetU32(keyBlock, KeyBlockOffset::version, kKeyBlockVersion);
    SetU32(keyBlock, KeyBlockOffset::originalSize, originalSize);
    SetU32(keyBlock, KeyBlockOffset::flags, flags);
}

void StoreFillerStep(std::span<std::uint8_t, kKeyBlockSize> keyBlock, std::size_t step,
                     std::span<const std::uint8_t, 5> randomBytes) {
    static constexpr std::array<std::size_t, 5> kTargets = {
        KeyBlockOffset::verifier, KeyBlockOffset::filler1, KeyBlockOffset::filler2,
        KeyBlockOffset::filler3, KeyBlockOffset::filler4};
    for (std::size_t i = 0; i < kTargets.size(); ++i) {
        keyBlock[kTargets[i] + step] = randomBytes[i];
    }
}

void SetCreatedUtc(std::span<std::uint8_t, kKeyBlockSize> keyBlock,
                   const std::array<std::uint16_t, kCreatedUtcFields>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        SetU16(keyBlock, KeyBlockOffset::createdUtc + 2 * i, fields[i]);
    }
}

Sha1Digest FileKeyBlockDigest(std::span<const std::uint8_t, kKeyBlockSize> keyBlock) {
    return DigestOfLeadingBytes(keyBlock, kFileKeyBlockDigestLength);
}

Sha1Digest MessageKeyBlockDigest(std::span<const std::uint8_t, kKeyBlockSize> keyBlock) {
    return DigestOfLeadingBytes(keyBlock, kMessageKeyBlockDigestLength);
}

bool StoredDigestMatches(std::span<const std::uint8_t, kKeyBlockSize> keyBlock, std::size_t offset,
                         const Sha1Digest& digest) {
    if (offset > kKeyBlockSize - digest.size()) {
        return false;
    }
    return std::ranges::equal(digest, keyBlock.subspan(offset, digest.size()));
}

void StoreDigest(std::span<std::uint8_t, kKeyBlockSize> keyBlock, std::size_t offset,
                 const Sha1Digest& digest) {
    if (offset <= kKeyBlockSize - digest.size()) {
        std::ranges::copy(digest, keyBlock.begin() + static_cast<std::ptrdiff_t>(offset));
    }
}
