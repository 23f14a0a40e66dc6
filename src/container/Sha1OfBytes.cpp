#include "container/Sha1OfBytes.h"

#include "crypto/Sha1Context.h"

#include <algorithm>
#include <cstring>
#include <limits>

Sha1Digest Sha1OfBytes(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kMaxPiece = std::numeric_limits<std::uint32_t>::max();
    Sha1Context context{};
    Sha1Init(context);
    while (!bytes.empty()) {
        const std::size_t piece = std::min(bytes.size(), kMaxPiece);
        Sha1Update(context, bytes.data(), static_cast<std::uint32_t>(piece));
        bytes = bytes.subspan(piece);
    }
    Sha1Digest digest;
    std::memcpy(digest.data(), Sha1Final(context), digest.size());
    return digest;
}

Sha1Digest Sha1OfBytes(std::string_view text) {
    return Sha1OfBytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}
