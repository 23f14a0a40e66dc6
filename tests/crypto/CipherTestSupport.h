#pragma once
// Hex helpers for the cipher and keystream vector tables.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

inline std::uint8_t HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<std::uint8_t>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<std::uint8_t>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<std::uint8_t>(c - 'A' + 10);
    }
    throw std::invalid_argument("not a hex digit");
}

inline std::vector<std::uint8_t> FromHex(std::string_view hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(HexDigit(hex[i]) << 4 | HexDigit(hex[i + 1])));
    }
    return bytes;
}

template <std::size_t N>
std::array<std::uint8_t, N> FromHexArray(std::string_view hex) {
    if (hex.size() != 2 * N) {
        throw std::invalid_argument("wrong hex length");
    }
    const std::vector<std::uint8_t> bytes = FromHex(hex);
    std::array<std::uint8_t, N> result{};
    std::copy(bytes.begin(), bytes.end(), result.begin());
    return result;
}

template <typename Bytes>
std::string ToHex(const Bytes& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t b : bytes) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0x0F];
    }
    return hex;
}
