#pragma once
// Windows language identifiers (LANGID) and the user's default interface language taken from
// the session's locale: the first non-empty of LANGUAGE (its first entry), LC_ALL, LC_MESSAGES
// and LANG. "C", "POSIX", nothing at all and unknown languages mean English (United States).

#include <cstdint>
#include <string_view>

using LANGID = std::uint16_t;

inline constexpr std::uint16_t SUBLANG_NEUTRAL = 0;
inline constexpr std::uint16_t SUBLANG_DEFAULT = 1;
inline constexpr LANGID LANGID_ENGLISH_US = 0x0409;

constexpr LANGID MakeLangId(std::uint16_t primary, std::uint16_t sub) {
    return static_cast<LANGID>((sub << 10) | (primary & 0x3FF));
}
constexpr std::uint16_t PrimaryLangId(LANGID id) {
    return static_cast<std::uint16_t>(id & 0x3FF);
}
constexpr std::uint16_t SubLangId(LANGID id) {
    return static_cast<std::uint16_t>(id >> 10);
}

// The LANGID of a POSIX locale name such as "de_AT.UTF-8" or "sr_RS@latin"; a language
// without a territory, or with one the table lacks, gets that language's default.
[[nodiscard]] LANGID LangIdForLocale(std::string_view localeName);

[[nodiscard]] LANGID UserDefaultUILanguage();
