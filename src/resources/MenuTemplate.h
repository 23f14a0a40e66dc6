#pragma once
// A menu resource holding one pop-up, whose own title is never shown: its
// items in order, each a command with its UTF-8 text or a separator.

#include <cstdint>
#include <span>
#include <string_view>

struct MenuItem {
    std::uint16_t command; // 0 for a separator
    std::string_view text;

    constexpr bool IsSeparator() const { return command == 0; }
};

inline constexpr MenuItem kMenuSeparator{0, {}};

struct MenuTemplate {
    std::uint16_t id;
    std::span<const MenuItem> items;
};
