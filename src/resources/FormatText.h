#pragma once
// printf-style formatting of the string table's formats over UTF-8 text:
// %s, %d (32-bit signed), %X (32-bit, upper-case hex), the flags '-' and '0',
// a field width, and %%. Arguments are typed values, never C varargs: an
// argument that is missing or of the wrong kind formats as nothing, and a
// sequence outside this set is copied as it stands.

#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

class FormatArg {
public:
    FormatArg(std::string_view text) : value_(text) {}
    FormatArg(const std::string& text) : value_(std::string_view(text)) {}
    FormatArg(const char* text) : value_(std::string_view(text == nullptr ? "" : text)) {}

    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>) FormatArg(T value)
        : value_(static_cast<std::int64_t>(value)) {}

    const std::string_view* text() const { return std::get_if<std::string_view>(&value_); }
    const std::int64_t* number() const { return std::get_if<std::int64_t>(&value_); }

private:
    std::variant<std::string_view, std::int64_t> value_;
};

std::string FormatTextArgs(std::string_view format, std::span<const FormatArg> args);

template <typename... Args>
std::string FormatText(std::string_view format, const Args&... args) {
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return FormatTextArgs(format, list);
}
