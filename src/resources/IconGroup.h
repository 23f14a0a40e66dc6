#pragma once
// The program's icon groups, compiled in. Every image is a square 32-bit RGBA
// PNG; a group holds the sizes 256, 48, 32, 24 and 16 in that order. Icons
// exist once for all languages, so no language is asked for.

#include <cstdint>
#include <span>

inline constexpr std::uint16_t IDI_PROGRAM_ICON = 128;
// The document icon of .qmx files; no window shows it.
inline constexpr std::uint16_t IDI_DOCUMENT_ICON = 130;

struct IconImage {
    std::uint16_t size; // width and height in pixels
    std::span<const std::uint8_t> png;
};

// Empty for an id that is no icon group.
std::span<const IconImage> FindIconGroup(std::uint16_t id);
