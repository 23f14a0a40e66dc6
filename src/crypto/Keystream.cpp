#include "crypto/Keystream.h"

#include "crypto/AES.h"
#include "crypto/CounterMode.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <memory>
#include <new>

namespace {

constexpr std::uint64_t kKeystreamLimit = std::uint64_t{1} << 32;

// Past 2^32 the offsets wrap and the chunks would reuse keystream.
bool FitsInKeystream(std::size_t length, std::uint32_t offset) {
    return length <= kKeystreamLimit - offset;
}

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

std::uint32_t ApplyKeystream(std::span<const std::uint8_t, 16> iv,
                             std::span<const std::uint8_t, 24> key, std::span<std::uint8_t> buffer,
                             std::uint32_t offset) {
    if (!FitsInKeystream(buffer.size(), offset)) {
        return 1;
    }
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

std::uint32_t ApplyKeystreamChunked(std::span<const std::uint8_t, 16> iv,
                                    std::span<const std::uint8_t, 24> key,
                                    std::span<std::uint8_t> buffer, std::uint32_t offset) {
    if (!FitsInKeystream(buffer.size(), offset)) {
        return 1;
    }
    std::size_t done = 0;
    while (done < buffer.size()) {
        const std::size_t length = std::min<std::size_t>(kKeystreamChunk, buffer.size() - done);
        const std::uint32_t result = ApplyKeystream(iv, key, buffer.subspan(done, length),
                                                    offset + static_cast<std::uint32_t>(done));
        if (result != 0) {
            return result;
        }
        done += length;
    }
    return 0;
}
