#pragma once
// Text conversion between UTF-8 and a Windows code page through glibc's iconv, as
// WideCharToMultiByte without flags converts: each character the code page lacks and each
// byte of invalid UTF-8 becomes '?', and the rest of the text is always converted.
// Temporaries are wiped, since the text is often a password; the caller wipes the result.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::uint32_t CP_UTF8 = 65001;

// The ANSI code pages of AnsiCodePage.h and CP_UTF8.
[[nodiscard]] bool IsSupportedCodePage(std::uint32_t codePage);

// Nothing for a code page that is not supported: an empty result would pass for an empty
// password.
[[nodiscard]] std::optional<std::string> Utf8ToCodePage(std::string_view utf8,
                                                        std::uint32_t codePage);

// Into the ANSI code page of the user's locale (UserAnsiCodePage), as a typed password
// becomes the bytes a container made on Windows was keyed with.
[[nodiscard]] std::optional<std::string> Utf8ToUserAnsiCodePage(std::string_view utf8);

// The inverse; bytes that are no character of the code page become '?'.
[[nodiscard]] std::optional<std::string> CodePageToUtf8(std::string_view bytes,
                                                        std::uint32_t codePage);
