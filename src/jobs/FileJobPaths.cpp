#include "jobs/FileJobPaths.h"

namespace {

constexpr std::string_view kContainerExtension = ".qmx";

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithContainerExtension(std::string_view text) {
    if (text.size() < kContainerExtension.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kContainerExtension.size(); ++i) {
        if (AsciiLower(text[i]) != kContainerExtension[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> DecryptionOutputFor(const std::string& source) {
    const std::size_t dot = source.rfind('.');
    if (dot == std::string::npos ||
        !StartsWithContainerExtension(std::string_view(source).substr(dot))) {
        return std::nullopt;
    }
    return source.substr(0, dot);
}

std::string EncryptionOutputFor(const std::string& source) {
    return source + std::string(kContainerExtension);
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            // A four-byte sequence lies beyond the BMP: a surrogate pair.
            units += byte >= 0xF0 ? 2 : 1;
        }
    }
    return units;
}
