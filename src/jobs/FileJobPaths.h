#pragma once
// Which way a dropped path goes and where its job writes. The rule looks at the last '.' of the
// whole path: when the four characters from it are ".qmx" in any letter case (whatever follows),
// the path is a container and decrypts to the path cut at that '.'; any other path encrypts to
// itself with ".qmx" added. Lengths are counted as Windows counts them, in UTF-16 code units.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Longer source paths leave no room for ".qmx" within MAX_PATH.
inline constexpr std::size_t kLongestEncryptableSource = 255;

// Nothing for a path that is to be encrypted.
[[nodiscard]] std::optional<std::string> DecryptionOutputFor(const std::string& source);
[[nodiscard]] std::string EncryptionOutputFor(const std::string& source);

[[nodiscard]] std::size_t Utf16Length(std::string_view utf8);
