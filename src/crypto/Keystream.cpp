#include "crypto/Keystream.h"

#include "crypto/Aes192Ctr.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::uint64_t kKeystreamLimit = std::uint64_t{1} << 32;

// Past 2^32 the offsets wrap and the chunks would reuse keystream.
bool FitsInKeystream(std::size_t length, std::uint32_t offset) {
    return length <= kKeystreamLimit - offset;
}

} // namespace

std::uint32_t ApplyKeystream(std::span<const std::uint8_t, 16> iv,
                             std::span<const std::uint8_t, 24> key, std::span<std::uint8_t> buffer,
                             std::uint32_t offset) {
    if (!FitsInKeystream(buffer.size(), offset)) {
        return 1;
    }
    return Aes192CtrApply(Aes192CtrFastest(), iv, key, buffer, offset);
}

std::uint32_t ApplyKeystreamChunked(std::span<const std::uint8_t, 16> iv,
                                    std::span<const std::uint8_t, 24> key,
                                    std::span<std::uint8_t> buffer, std::uint32_t offset) {
    if (!FitsInKeystream(buffer.size(), offset)) {
        return 1;
    }
    const Aes192CtrPath path = Aes192CtrFastest();
    // The hardware paths cannot fail, and one key schedule gives every chunk
    // the keystream a fresh one would.
    if (path != Aes192CtrPath::kPortable) {
        return Aes192CtrApply(path, iv, key, buffer, offset);
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
