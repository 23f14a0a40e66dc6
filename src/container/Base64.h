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

// Fails when the count of alphabet characters ("=" included) is 0 or not a
// multiple of 4, or when memory for the result is exhausted.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> Base64Decode(std::string_view text);
