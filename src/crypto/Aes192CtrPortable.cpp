#include "crypto/AES.h"
#include "crypto/Aes192CtrImpl.h"
#include "crypto/CounterMode.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <memory>
#include <new>

namespace {

// One range may hold 2^32 bytes, one more than a 32-bit length; the mode runs
// on across the calls.
void TransformWhole(Ferrik_CounterMode& mode, std::span<std::uint8_t> buffer) {
    constexpr std::size_t kMaxPiece = std::numeric_limits<std::uint32_t>::max();
    while (!buffer.empty()) {
        const std::size_t piece = std::min(buffer.size(), kMaxPiece);
        mode.TransformBytesInPlace(buffer.data(), static_cast<std::uint32_t>(piece));
        buffer = buffer.subspan(piece);
    }
}

} // namespace

std::uint32_t Aes192CtrPortableXor(std::span<const std::uint8_t, 16> iv,
                                   std::span<const std::uint8_t, 24> key,
                                   std::span<std::uint8_t> buffer, std::uint32_t offset) {
    try {
        const auto cipher = std::make_unique<AESEncryption>(key);
        Ferrik_CounterMode mode(*cipher, iv.data());
        mode.SetPosition(offset);
        TransformWhole(mode, buffer);
    } catch (const std::bad_alloc&) {
        // Nothing is transformed before every allocation has succeeded.
        return 1;
    }
    return 0;
}
