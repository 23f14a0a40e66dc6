#pragma once
// A POSIX locale name, language[_territory][.codeset][@modifier], split into its parts, and
// the tables keyed by it: a row for a language alone serves every territory it lacks.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct PosixLocaleName {
    std::string language;  // lower case, e.g. "de"; empty for "C" and "POSIX"
    std::string territory; // upper case, e.g. "DE"
    std::string modifier;  // e.g. "latin" from sr_RS@latin
};

[[nodiscard]] PosixLocaleName ParsePosixLocaleName(std::string_view name);

// The value of the first of these environment variables that is set and not empty.
[[nodiscard]] std::string FirstNonEmptyEnvironment(std::initializer_list<const char*> names);

template <typename Value>
struct LocaleTableRow {
    std::string_view language;
    std::string_view territory; // empty: the language's own row
    std::string_view modifier;  // empty: any modifier
    Value value;
};

// Looks up language+territory+modifier, then language+territory, then
// language+modifier, then the language alone.
template <typename Value>
[[nodiscard]] std::optional<Value> LookUpLocaleTable(std::span<const LocaleTableRow<Value>> table,
                                                     const PosixLocaleName& locale) {
    const auto find = [&](std::string_view territory,
                          std::string_view modifier) -> std::optional<Value> {
        for (const auto& row : table) {
            if (row.language == locale.language && row.territory == territory &&
                row.modifier == modifier) {
                return row.value;
            }
        }
        return std::nullopt;
    };
    if (locale.language.empty()) {
        return std::nullopt;
    }
    if (!locale.territory.empty() && !locale.modifier.empty()) {
        if (auto value = find(locale.territory, locale.modifier)) {
            return value;
        }
    }
    if (!locale.territory.empty()) {
        if (auto value = find(locale.territory, {})) {
            return value;
        }
    }
    if (!locale.modifier.empty()) {
        if (auto value = find({}, locale.modifier)) {
            return value;
        }
    }
    return find({}, {});
}
