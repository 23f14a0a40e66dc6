#pragma once
// The 10 MB message text and the password the message benchmarks share.

#include <cstdint>
#include <span>
#include <string>

inline constexpr std::size_t kMessageTextBytes = 10'000'000;

// Lines of mixed ASCII and two-byte UTF-8, as a long mail would have.
inline std::string MessageText() {
    const std::string line = "Meet at ten by the gr\xC3\xBCne T\xC3\xBCr, bring the papers.\n";
    std::string text;
    text.reserve(kMessageTextBytes + line.size());
    while (text.size() < kMessageTextBytes) {
        text += line;
    }
    text.resize(kMessageTextBytes);
    return text;
}

inline std::span<const std::uint8_t> MessagePassword() {
    static const std::string password = "correct horse battery staple";
    return {reinterpret_cast<const std::uint8_t*>(password.data()), password.size()};
}
