#pragma once
// A template's values in Qt terms: whether a style holds all of some style
// bits, and its UTF-8 texts as QString.

#include <QString>
#include <cstdint>
#include <string_view>

constexpr bool HasStyle(std::uint32_t style, std::uint32_t bits) {
    return (style & bits) == bits;
}

inline QString QStringFromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
