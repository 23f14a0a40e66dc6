#pragma once
// Little-endian 16- and 32-bit integers inside the stored byte layouts; the
// stored bytes are the same whatever the platform's own byte order.

#include <cstddef>
#include <cstdint>
#include <span>

[[nodiscard]] constexpr std::uint16_t GetU16(std::span<const std::uint8_t> bytes,
                                             std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

[[nodiscard]] constexpr std::uint32_t GetU32(std::span<const std::uint8_t> bytes,
                                             std::size_t offset) {
    return std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
           std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

constexpr void SetU16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

constexpr void SetU32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}
