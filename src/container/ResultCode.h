#pragma once
// The status every container operation ends with; values are those shown to
// users in error boxes, so they never change.

#include <cstdint>

using ResultCode = std::uint32_t;

inline constexpr ResultCode RC_OK = 0;
inline constexpr ResultCode RC_FAILED = 1;
inline constexpr ResultCode RC_NOT_FOUND = 2;
inline constexpr ResultCode RC_BAD_ARGUMENT = 3;
inline constexpr ResultCode RC_BAD_FORMAT = 5;
inline constexpr ResultCode RC_NO_MEMORY = 6;
inline constexpr ResultCode RC_WRONG_PASSWORD = 12;
inline constexpr ResultCode RC_KEY_PROTECTED = 13;
inline constexpr ResultCode RC_CANCELLED = 20;
inline constexpr ResultCode RC_CORRUPT = 25;
inline constexpr ResultCode RC_OUTPUT_FAILED = 61;
inline constexpr ResultCode RC_SOURCE_EMPTY = 83;
inline constexpr ResultCode RC_TOO_LARGE = 84;
