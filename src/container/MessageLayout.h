#pragma once
// Where the parts of a message payload lie: the scrambled key block, one
// unread byte, then the enciphered UTF-8 text, whose base64 begins on a group
// boundary of the payload's base64. Also the range the body digest covers.

#include <cstddef>
#include <cstdint>
#include <optional>

inline constexpr std::size_t kMessageBodyOffset = 213;
inline constexpr std::size_t kMessageBodyBase64Offset = kMessageBodyOffset / 3 * 4;

struct CharacterRange {
    std::size_t offset;
    std::size_t length;
};

// The base64 characters of a body of originalSize bytes without the last one.
// Nothing when they do not lie wholly inside a filtered text of filteredLength
// characters, or when there is no body.
[[nodiscard]] std::optional<CharacterRange> MessageBodyDigestRange(std::size_t filteredLength,
                                                                   std::uint32_t originalSize);
