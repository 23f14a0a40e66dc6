#pragma once
// The order in which languages are tried for a resource, as Windows does it:
// the exact LANGID, its primary language with the neutral and then the
// default sub-language, the neutral language, and last English.

#include <cstdint>
#include <vector>

inline constexpr std::uint16_t LANGID_NEUTRAL = 0x0000;
inline constexpr std::uint16_t LANGID_ENGLISH = 0x0009;

// Each language appears once, at its first place in the order.
std::vector<std::uint16_t> LanguageFallbackChain(std::uint16_t langId);
