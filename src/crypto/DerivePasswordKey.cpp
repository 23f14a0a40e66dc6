#include "crypto/Keystream.h"
#include "crypto/SHA.h"
#include "crypto/SHA256.h"
#include "crypto/WipedBuffer.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace {

// Update takes 32-bit lengths; longer input goes in several calls.
void UpdateWhole(Ferrik_HashModule& hash, std::span<const std::uint8_t> data) {
    constexpr std::size_t kMaxPiece = std::numeric_limits<std::uint32_t>::max();
    while (!data.empty()) {
        const std::size_t piece = std::min(data.size(), kMaxPiece);
        hash.Update(data.data(), static_cast<std::uint32_t>(piece));
        data = data.subspan(piece);
    }
}

} // namespace

std::uint32_t DerivePasswordKey(std::span<const std::uint8_t> password,
                                std::span<std::uint8_t, 32> key) {
    std::array<std::uint8_t, SHA::kDigestLength> passwordDigest{};
    SHA sha;
    UpdateWhole(sha, password);
    sha.Final(passwordDigest.data());
    SHA256 sha256;
    sha256.Update(passwordDigest.data(), SHA::kDigestLength);
    sha256.Final(key.data());
    // The SHA-1 digest alone yields the key.
    WipeMemory(passwordDigest.data(), passwordDigest.size());
    return 0;
}
