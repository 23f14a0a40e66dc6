#pragma once
// The Windows ANSI code page (CP_ACP) that goes with a POSIX locale, as Windows assigns it to
// the locale's language and territory: 1252 for Western European languages and for locales
// that name no language, 1250 Central European, 1251 Cyrillic, 932 Japanese, and so on.

#include <cstdint>
#include <string_view>

[[nodiscard]] std::uint32_t AnsiCodePageForLocale(std::string_view localeName);

// Of the locale in LC_ALL, LC_CTYPE or LANG, the first that is set and not empty.
[[nodiscard]] std::uint32_t UserAnsiCodePage();
