#include "container/Base64.h"

#include <array>
#include <new>

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kPad = '=';
constexpr std::uint8_t kInvalid = 0xFF;

constexpr std::array<std::uint8_t, 256> MakeDecodeTable() {
    std::array<std::uint8_t, 256> table{};
    table.fill(kInvalid);
    for (std::size_t i = 0; i < kAlphabet.size(); ++i) {
        table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::uint8_t>(i);
    }
    table[static_cast<unsigned char>(kPad)] = 0;
    return table;
}

constexpr std::array<std::uint8_t, 256> kDecodeTable = MakeDecodeTable();

char Symbol(std::uint32_t sixBits) {
    return kAlphabet[sixBits & 0x3F];
}

// The last one or two bytes as a padded group of four.
char* PutFinalGroup(char* out, std::span<const std::uint8_t> rest) {
    const std::uint32_t group =
        std::uint32_t{rest[0]} << 16 | (rest.size() > 1 ? std::uint32_t{rest[1]} << 8 : 0);
    *out++ = Symbol(group >> 18);
    *out++ = Symbol(group >> 12);
    *out++ = rest.size() > 1 ? Symbol(group >> 6) : kPad;
    *out++ = kPad;
    return out;
}

std::uint8_t DecodedValue(char c) {
    return kDecodeTable[static_cast<unsigned char>(c)];
}

} // namespace

// Filled in place: appending a character at a time took most of the time of
// sealing a long message.
void Base64EncodeInto(std::span<const std::uint8_t> bytes, bool lineBreaks, std::span<char> text) {
    char* out = text.data();
    std::size_t lineCount = 0;
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t group =
            std::uint32_t{bytes[i]} << 16 | std::uint32_t{bytes[i + 1]} << 8 | bytes[i + 2];
        *out++ = Symbol(group >> 18);
        *out++ = Symbol(group >> 12);
        *out++ = Symbol(group >> 6);
        *out++ = Symbol(group);
        lineCount += 4;
        if (lineBreaks && lineCount == kBase64LineLength) {
            *out++ = '\n';
            lineCount = 0;
        }
    }
    if (i < bytes.size()) {
        out = PutFinalGroup(out, bytes.subspan(i));
        lineCount += 4;
    }
    if (lineBreaks && lineCount != 0) {
        *out++ = '\n';
    }
}

std::string Base64Encode(std::span<const std::uint8_t> bytes, bool lineBreaks) {
    std::string text(Base64EncodedSize(bytes.size(), lineBreaks), '\0');
    Base64EncodeInto(bytes, lineBreaks, text);
    return text;
}

std::optional<std::vector<std::uint8_t>> Base64Decode(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if (DecodedValue(c) != kInvalid) {
            ++count;
        }
    }
    if (count == 0 || count % 4 != 0) {
        return std::nullopt;
    }
    try {
        // Filled by index: appending a byte at a time was most of the time of opening a long
        // message.
        std::vector<std::uint8_t> bytes(count / 4 * 3);
        std::uint8_t* out = bytes.data();
        std::uint32_t group = 0;
        std::size_t inGroup = 0;
        std::array<char, 4> lastGroup{};
        for (char c : text) {
            const std::uint8_t value = DecodedValue(c);
            if (value == kInvalid) {
                continue;
            }
            lastGroup[inGroup] = c;
            group = group << 6 | value;
            if (++inGroup == 4) {
                *out++ = static_cast<std::uint8_t>(group >> 16);
                *out++ = static_cast<std::uint8_t>(group >> 8);
                *out++ = static_cast<std::uint8_t>(group);
                group = 0;
                inGroup = 0;
            }
        }
        if (lastGroup[2] == kPad) {
            bytes.resize(bytes.size() - 2);
        } else if (lastGroup[3] == kPad) {
            bytes.resize(bytes.size() - 1);
        }
        return bytes;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}
