#pragma once
// The program's bitmaps, compiled in as 32-bit RGBA PNGs with a transparent
// background. Bitmaps exist once for all languages.

#include <cstdint>
#include <span>

// The logo banner: the program mark and the words "Quiralis Reader".
inline constexpr std::uint16_t IDB_LOGO = 144;

struct BitmapImage {
    std::uint16_t width;
    std::uint16_t height;
    std::span<const std::uint8_t> png;
};

// An empty png (and zero size) for an id that is no bitmap.
BitmapImage FindBitmap(std::uint16_t id);
