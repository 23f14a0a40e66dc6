#include "platform/PosixLocaleName.h"

#include <cstdlib>

namespace {

std::string Lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return result;
}

std::string Raised(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

} // namespace

PosixLocaleName ParsePosixLocaleName(std::string_view name) {
    PosixLocaleName result;
    if (const auto at = name.find('@'); at != std::string_view::npos) {
        result.modifier = Lowered(name.substr(at + 1));
        name = name.substr(0, at);
    }
    name = name.substr(0, name.find('.'));
    if (name == "C" || name == "POSIX") {
        return result;
    }
    // '-' too, for the BCP 47 style some desktops put into LANGUAGE.
    const auto separator = name.find_first_of("_-");
    result.language = Lowered(name.substr(0, separator));
    if (separator != std::string_view::npos) {
        result.territory = Raised(name.substr(separator + 1));
    }
    return result;
}

std::string FirstNonEmptyEnvironment(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}
