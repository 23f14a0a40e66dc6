#pragma once
// Reads, never writes, the settings the reader window keeps through QSettings: the INI text
// file <config>/<organisation>/<application>.conf, <config> being $XDG_CONFIG_HOME (when it is
// an absolute path) or ~/.config. Sections, keys and values follow QSettings' INI conventions.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The integer at section/key (section "" is QSettings' [General]), or nothing when the file,
// the section, the key or a decimal or 0x-hexadecimal number up to 0xFFFFFFFF is missing.
[[nodiscard]] std::optional<std::uint32_t> ReadProfileInt(std::string_view organisation,
                                                          std::string_view application,
                                                          std::string_view section,
                                                          std::string_view key);

[[nodiscard]] std::optional<std::string> SettingsFilePath(std::string_view organisation,
                                                          std::string_view application);

// The same lookup in INI text already read; the last of repeated keys wins, as in QSettings.
[[nodiscard]] std::optional<std::uint32_t>
ReadIniInt(std::string_view text, std::string_view section, std::string_view key);
