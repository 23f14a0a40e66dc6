#include "resources/FormatText.h"

#include <algorithm>
#include <cstddef>

namespace {

// A translated format must not be able to ask for a gigabyte of padding.
constexpr std::size_t kMaxWidth = 256;

struct FieldFormat {
    bool leftAlign = false;
    bool zeroPad = false;
    std::size_t width = 0;
};

std::size_t CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

void AppendPadded(std::string& out, std::string_view sign, std::string_view body,
                  std::size_t length, const FieldFormat& field, bool numeric) {
    const std::size_t fill = field.width > length ? field.width - length : 0;
    if (field.leftAlign) {
        out.append(sign).append(body).append(fill, ' ');
    } else if (field.zeroPad && numeric) {
        out.append(sign).append(fill, '0').append(body);
    } else {
        out.append(fill, ' ').append(sign).append(body);
    }
}

std::string Hex(std::uint32_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return digits;
}

// Both conversions see the argument as printf sees a 32-bit int.
std::uint32_t Low32(std::int64_t value) {
    return static_cast<std::uint32_t>(value);
}

void AppendConversion(std::string& out, char conversion, const FieldFormat& field, const FormatArg* arg) {
    if (arg == nullptr) {
        return;
    }
    if (conversion == 's') {
        if (const std::string_view* text = arg->text()) {
            AppendPadded(out, {}, *text, CodePoints(*text), field, false);
        }
        return;
    }
    const std::int64_t* number = arg->number();
    if (number == nullptr) {
        return;
    }
    if (conversion == 'X') {
        const std::string digits = Hex(Low32(*number));
        AppendPadded(out, {}, digits, digits.size(), field, true);
        return;
    }
    const auto value = static_cast<std::int32_t>(Low32(*number));
    const std::int64_t magnitude = value < 0 ? -std::int64_t{value} : std::int64_t{value};
    const std::string digits = std::to_string(magnitude);
    const std::string_view sign = value < 0 ? "-" : "";
    AppendPadded(out, sign, digits, sign.size() + digits.size(), field, true);
}

bool IsConversion(char c) {
    return c == 's' || c == 'd' || c == 'X';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads flags and width after a '%'; returns the position of the conversion.
std::size_t ParseFieldFormat(std::string_view format, std::size_t pos, FieldFormat& field) {
    for (; pos < format.size() && (format[pos] == '-' || format[pos] == '0'); ++pos) {
        (format[pos] == '-' ? field.leftAlign : field.zeroPad) = true;
    }
    for (; pos < format.size() && IsDigit(format[pos]); ++pos) {
        const auto digit = static_cast<std::size_t>(format[pos] - '0');
        field.width = std::min(field.width * 10 + digit, kMaxWidth);
    }
    return pos;
}

} // namespace

std::string FormatTextArgs(std::string_view format, std::span<const FormatArg> args) {
    std::string out;
    std::size_t nextArg = 0;
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t percent = format.find('%', pos);
        out.append(format.substr(pos, percent - pos));
        if (percent == std::string_view::npos) {
            break;
        }
        if (percent + 1 < format.size() && format[percent + 1] == '%') {
            out.push_back('%');
            pos = percent + 2;
            continue;
        }
        FieldFormat field;
        const std::size_t conversion = ParseFieldFormat(format, percent + 1, field);
        if (conversion >= format.size() || !IsConversion(format[conversion])) {
            // Not ours to interpret: keep it visible rather than guess.
            const std::size_t end = std::min(conversion + 1, format.size());
            out.append(format.substr(percent, end - percent));
            pos = end;
            continue;
        }
        const FormatArg* arg = nextArg < args.size() ? &args[nextArg] : nullptr;
        ++nextArg;
        AppendConversion(out, format[conversion], field, arg);
        pos = conversion + 1;
    }
    return out;
}
