#include "container/MessageLayout.h"

std::optional<CharacterRange> MessageBodyDigestRange(std::size_t filteredLength,
                                                     std::uint32_t originalSize) {
    if (originalSize == 0) {
        return std::nullopt;
    }
    // 64-bit, so that a hostile size near 2^32 cannot wrap to a short range.
    const std::uint64_t groups = (std::uint64_t{originalSize} + 2) / 3;
    const std::uint64_t length = groups * 4 - 1;
    if (filteredLength < kMessageBodyBase64Offset ||
        length > filteredLength - kMessageBodyBase64Offset) {
        return std::nullopt;
    }
    return CharacterRange{kMessageBodyBase64Offset, static_cast<std::size_t>(length)};
}
