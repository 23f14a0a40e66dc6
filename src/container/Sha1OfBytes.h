#pragma once
// SHA-1 of a whole byte range of any length, fed in 32-bit pieces.

#include "container/KeyBlock.h"

#include <cstdint>
#include <span>
#include <string_view>

[[nodiscard]] Sha1Digest Sha1OfBytes(std::span<const std::uint8_t> bytes);
[[nodiscard]] Sha1Digest Sha1OfBytes(std::string_view text);
