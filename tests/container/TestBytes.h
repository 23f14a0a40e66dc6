#pragma once
// Byte strings for test tables: hex text ("f7 9c 6c") and ASCII text as bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline std::vector<std::uint8_t> FromHex(std::string_view hex) {
    std::vector<std::uint8_t> bytes;
    std::string digits;
    for (char c : hex) {
        if (c != ' ') {
            digits += c;
        }
    }
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

inline std::vector<std::uint8_t> FromText(std::string_view text) {
    return {text.begin(), text.end()};
}
