#pragma once
// Base64 with the RFC 4648 alphabet and "=" padding. With line breaks the text
// comes in lines of at most 72 characters, each (the last included) ended by LF.
// The decoder skips bytes outside the alphabet and reads "=" as zero bits; only
// "=" in the third or fourth place of the last group shortens its output.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kBase64LineLength = 72;

// Throws std::bad_alloc when memory is exhausted.
[[nodiscard]] std::string Base64Encode(std::span<const std::uint8_t> bytes, bool lineBreaks);

// The length of the text Base64Encode gives for `byteCount` bytes.
[[nodiscard]] constexpr std::size_t Base64EncodedSize(std::size_t byteCount, bool lineBreaks) {
    const std::size_t characters = (byteCount + 2) / 3 * 4;
    const std::size_t lines = (characters + kBase64LineLength - 1) / kBase64LineLength;
    return characters + (lineBreaks ? lines : 0);
}
// The same text written into `text`, which holds exactly Base64EncodedSize characters: for
// callers that place it inside a larger text or digest it a slice at a time.
void Base64EncodeInto(std::span<const std::uint8_t> bytes, bool lineBreaks, std::span<char> text);

// Fails when the count of alphabet characters ("=" included) is 0 or not a
// multiple of 4, or when memory for the result is exhausted.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> Base64Decode(std::string_view text);
