#include "OutputNames.h"

#include <algorithm>

namespace {

constexpr std::string_view kExtension = ".qmx";

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string EncryptedOutputPath(std::string_view sourcePath) {
    return std::string(sourcePath) + std::string(kExtension);
}

std::optional<std::string> DecryptedOutputPath(std::string_view containerPath) {
    const std::size_t dot = containerPath.rfind('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view extension = containerPath.substr(dot, kExtension.size());
    if (!std::ranges::equal(extension, kExtension,
                            [](char a, char b) { return AsciiLower(a) == b; })) {
        return std::nullopt;
    }
    // Nothing, or a folder, is no name for a file.
    const std::string_view output = containerPath.substr(0, dot);
    if (output.empty() || output.back() == '/') {
        return std::nullopt;
    }
    return std::string(output);
}
