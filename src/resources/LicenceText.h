#pragma once
// The licence agreement (resource 136 of type "LICENCETEXT") by language, with
// the same fallback chain as every other lookup. Its bytes are UTF-8 that begin
// with a byte-order mark and end their lines with CRLF, as compiled in.

#include <cstdint>
#include <span>

inline constexpr std::uint16_t IDR_LICENCE_TEXT = 136;

// In the active language.
std::span<const std::uint8_t> LicenceText();
// Empty only if no language of the chain has an entry.
std::span<const std::uint8_t> LicenceText(std::uint16_t langId);
