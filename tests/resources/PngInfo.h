#pragma once
// What a test needs to know of a PNG without an image library: the image
// header's fields, and whether the file is whole (signature, every chunk with
// its CRC intact, IHDR first, IEND last and at the very end).

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

struct PngInfo {
    bool whole = false;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 0;
    std::uint8_t colourType = 0;
};

inline constexpr std::uint8_t kPngColourTypeRgba = 6;

namespace png_detail {

inline std::uint32_t BigEndian32(std::span<const std::uint8_t> bytes) {
    return (static_cast<std::uint32_t>(bytes[0]) << 24) |
           (static_cast<std::uint32_t>(bytes[1]) << 16) |
           (static_cast<std::uint32_t>(bytes[2]) << 8) | bytes[3];
}

// CRC-32 of ISO 3309, as PNG uses it, bit by bit: speed does not matter here.
inline std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) != 0 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        }
    }
    return ~crc;
}

inline std::string_view ChunkType(std::span<const std::uint8_t> chunk) {
    return {reinterpret_cast<const char*>(chunk.data() + 4), 4};
}

} // namespace png_detail

inline PngInfo ReadPngInfo(std::span<const std::uint8_t> png) {
    using namespace png_detail;
    constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PngInfo info;
    if (png.size() < kSignature.size() ||
        !std::equal(kSignature.begin(), kSignature.end(), png.begin())) {
        return info;
    }
    std::size_t offset = kSignature.size();
    std::string_view lastType;
    while (png.size() - offset >= 12) {
        const std::uint32_t length = BigEndian32(png.subspan(offset, 4));
        if (png.size() - offset - 12 < length) {
            return info;
        }
        const auto chunk = png.subspan(offset, length + 12);
        const auto typeAndData = chunk.subspan(4, length + 4);
        if (Crc32(typeAndData) != BigEndian32(chunk.subspan(length + 8, 4))) {
            return info;
        }
        const auto type = ChunkType(chunk);
        if (offset == kSignature.size()) {
            if (type != "IHDR" || length != 13) {
                return info;
            }
            info.width = BigEndian32(chunk.subspan(8, 4));
            info.height = BigEndian32(chunk.subspan(12, 4));
            info.bitDepth = chunk[16];
            info.colourType = chunk[17];
        }
        lastType = type;
        offset += chunk.size();
    }
    info.whole = offset == png.size() && lastType == "IEND";
    return info;
}
