#include "platform/Settings.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

// Anything larger is not a settings file this program wrote.
constexpr std::size_t kMaxSettingsFileSize = 1 << 20;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<unsigned>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<unsigned>(c - 'A' + 10);
    }
    return std::nullopt;
}

std::optional<unsigned> HexNumber(std::string_view digits) {
    unsigned value = 0;
    for (char c : digits) {
        const auto digit = HexDigit(c);
        if (!digit) {
            return std::nullopt;
        }
        value = value * 16 + *digit;
    }
    return value;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// QSettings writes a name's characters outside a safe ASCII set as %XX (Latin-1) or %UXXXX
// (UTF-16 code units), and '/' inside a key as '\'.
std::string UnescapedName(std::string_view name) {
    std::string out;
    char16_t pendingHigh = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        std::optional<unsigned> unit;
        if (name[i] == '%' && i + 5 < name.size() && name[i + 1] == 'U') {
            unit = HexNumber(name.substr(i + 2, 4));
            if (unit) {
                i += 5;
            }
        } else if (name[i] == '%' && i + 2 < name.size()) {
            unit = HexNumber(name.substr(i + 1, 2));
            if (unit) {
                i += 2;
            }
        }
        if (!unit) {
            out += name[i] == '\\' ? '/' : name[i];
            continue;
        }
        if (*unit >= 0xD800 && *unit < 0xDC00) {
            pendingHigh = static_cast<char16_t>(*unit);
            continue;
        }
        if (*unit >= 0xDC00 && *unit < 0xE000 && pendingHigh != 0) {
            AppendUtf8(out, 0x10000 + ((char32_t{pendingHigh} - 0xD800) << 10) + (*unit - 0xDC00));
        } else {
            AppendUtf8(out, *unit);
        }
        pendingHigh = 0;
    }
    return out;
}

// The root keys live in [General]; a group really called General is written [%General].
std::string SectionPath(std::string_view header) {
    if (header == "General") {
        return {};
    }
    if (header == "%General") {
        return "General";
    }
    return UnescapedName(header);
}

std::string JoinedPath(std::string_view section, std::string_view key) {
    std::string path(section);
    if (!path.empty()) {
        path += '/';
    }
    path += key;
    return path;
}

std::string_view ValueText(std::string_view raw) {
    raw = Trimmed(raw);
    if (!raw.empty() && raw.front() == '"') {
        const auto close = raw.find('"', 1);
        return close == std::string_view::npos ? raw.substr(1) : raw.substr(1, close - 1);
    }
    return Trimmed(raw.substr(0, raw.find(';')));
}

std::optional<std::uint32_t> ParseNumber(std::string_view text) {
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : text) {
        const auto digit = HexDigit(c);
        if (!digit || *digit >= base) {
            return std::nullopt;
        }
        value = value * base + *digit;
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(value);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

std::optional<std::string> HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && *found->pw_dir != '\0') {
        return found->pw_dir;
    }
    return std::nullopt;
}

std::optional<std::string> ConfigFolder() {
    // The XDG base directory rules say a relative value is to be ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/') {
        return config;
    }
    if (auto home = HomeFolder()) {
        return *home + "/.config";
    }
    return std::nullopt;
}

std::optional<std::string> ReadSmallFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string text;
    char chunk[4096];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(file.gcount()));
        if (text.size() > kMaxSettingsFileSize) {
            return std::nullopt;
        }
    }
    if (file.bad()) {
        return std::nullopt;
    }
    return text;
}

} // namespace

std::optional<std::uint32_t> ReadIniInt(std::string_view text, std::string_view section,
                                        std::string_view key) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const std::string wanted = JoinedPath(section, key);
    std::string currentSection;
    std::optional<std::string_view> found;
    for (std::string_view line : Lines(text)) {
        line = Trimmed(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const auto close = line.rfind(']');
            const auto header = close == std::string_view::npos || close == 0
                                    ? line.substr(1)
                                    : line.substr(1, close - 1);
            currentSection = SectionPath(Trimmed(header));
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string name = UnescapedName(Trimmed(line.substr(0, equals)));
        if (JoinedPath(currentSection, name) == wanted) {
            found = line.substr(equals + 1);
        }
    }
    if (!found) {
        return std::nullopt;
    }
    return ParseNumber(ValueText(*found));
}

std::optional<std::string> SettingsFilePath(std::string_view organisation,
                                            std::string_view application) {
    auto folder = ConfigFolder();
    if (!folder) {
        return std::nullopt;
    }
    return *folder + "/" + std::string(organisation) + "/" + std::string(application) + ".conf";
}

std::optional<std::uint32_t> ReadProfileInt(std::string_view organisation,
                                            std::string_view application, std::string_view section,
                                            std::string_view key) {
    const auto path = SettingsFilePath(organisation, application);
    if (!path) {
        return std::nullopt;
    }
    const auto text = ReadSmallFile(*path);
    if (!text) {
        return std::nullopt;
    }
    return ReadIniInt(*text, section, key);
}
