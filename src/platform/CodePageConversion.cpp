#include "platform/CodePageConversion.h"

#include "platform/AnsiCodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <utility>

namespace {

struct CodePageName {
    std::uint32_t codePage;
    const char* iconvName;
};

// glibc's CP9xx converters are the Windows variants (CP932 is Windows-31J, CP936 is GBK with
// the euro sign at 0x80).
constexpr CodePageName kIconvNames[] = {
    {874, "CP874"},   {932, "CP932"},   {936, "CP936"},   {949, "CP949"},   {950, "CP950"},
    {1250, "CP1250"}, {1251, "CP1251"}, {1252, "CP1252"}, {1253, "CP1253"}, {1254, "CP1254"},
    {1255, "CP1255"}, {1256, "CP1256"}, {1257, "CP1257"}, {1258, "CP1258"}, {CP_UTF8, "UTF-8"},
};

const char* IconvName(std::uint32_t codePage) {
    const auto* found = std::find_if(std::begin(kIconvNames), std::end(kIconvNames),
                                     [&](const CodePageName& n) { return n.codePage == codePage; });
    return found == std::end(kIconvNames) ? nullptr : found->iconvName;
}

bool InRange(std::string_view text, std::size_t i, unsigned char low, unsigned char high) {
    if (i >= text.size()) {
        return false;
    }
    const auto byte = static_cast<unsigned char>(text[i]);
    return byte >= low && byte <= high;
}

// Length of the well-formed UTF-8 sequence (RFC 3629) at the start of text, or 0.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) {
        return 1;
    }
    // Second-byte ranges exclude overlong forms, surrogates and values above U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (!InRange(text, 1, low, high)) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!InRange(text, i, 0x80, 0xBF)) {
            return 0;
        }
    }
    return length;
}

// Collects converted text; a heap buffer from the start, so that moving the result never
// leaves a copy behind, and every buffer it outgrows is wiped before release.
class SecretText {
public:
    explicit SecretText(std::size_t expected) {
        text_.reserve(std::max<std::size_t>(expected, 32));
    }
    ~SecretText() { explicit_bzero(text_.data(), text_.capacity()); }
    SecretText(const SecretText&) = delete;
    SecretText& operator=(const SecretText&) = delete;

    void Append(const char* data, std::size_t count) {
        if (text_.size() + count > text_.capacity()) {
            std::string larger;
            larger.reserve(std::max(text_.capacity() * 2, text_.size() + count));
            larger = text_;
            explicit_bzero(text_.data(), text_.capacity());
            text_.swap(larger);
        }
        text_.append(data, count);
    }
    void Append(char c) { Append(&c, 1); }

    std::string Take() { return std::exchange(text_, std::string()); }

private:
    std::string text_;
};

class IconvDescriptor {
public:
    IconvDescriptor(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvDescriptor() {
        if (IsOpen()) {
            iconv_close(cd_);
        }
    }
    IconvDescriptor(const IconvDescriptor&) = delete;
    IconvDescriptor& operator=(const IconvDescriptor&) = delete;

    bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

using SkipUnconvertible = std::size_t (*)(std::string_view rest);

std::size_t SkipOneCharacter(std::string_view rest) {
    return std::max<std::size_t>(Utf8SequenceLength(rest), 1);
}

std::size_t SkipOneByte(std::string_view) {
    return 1;
}

// Converts all of input; what the target lacks becomes '?' and conversion goes on after it.
void ConvertRun(iconv_t cd, std::string_view input, SecretText& out, SkipUnconvertible skip) {
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[256];
    int error = 0;
    // One iconv call into buffer, whose output is kept; answers whether it failed.
    const auto step = [&](char** source, std::size_t* sourceLeft) {
        char* target = buffer;
        std::size_t targetLeft = sizeof buffer;
        const bool failed =
            iconv(cd, source, sourceLeft, &target, &targetLeft) == static_cast<std::size_t>(-1);
        error = errno;
        out.Append(buffer, sizeof buffer - targetLeft);
        return failed;
    };
    // Null input emits what a stateful converter still holds, and resets it.
    const auto flush = [&] { step(nullptr, nullptr); };
    while (inLeft > 0) {
        if (!step(&in, &inLeft) || error == E2BIG) {
            continue;
        }
        flush();
        out.Append('?');
        const std::size_t skipped = std::min(skip({in, inLeft}), inLeft);
        in += skipped;
        inLeft -= skipped;
    }
    flush();
    explicit_bzero(buffer, sizeof buffer);
}

} // namespace

bool IsSupportedCodePage(std::uint32_t codePage) {
    return IconvName(codePage) != nullptr;
}

std::optional<std::string> Utf8ToCodePage(std::string_view utf8, std::uint32_t codePage) {
    const char* name = IconvName(codePage);
    if (name == nullptr) {
        return std::nullopt;
    }
    const IconvDescriptor converter(name, "UTF-8");
    if (!converter.IsOpen()) {
        return std::nullopt;
    }
    SecretText out(utf8.size());
    std::size_t position = 0;
    while (position < utf8.size()) {
        std::size_t end = position;
        while (end < utf8.size()) {
            const std::size_t length = Utf8SequenceLength(utf8.substr(end));
            if (length == 0) {
                break;
            }
            end += length;
        }
        ConvertRun(converter.get(), utf8.substr(position, end - position), out, SkipOneCharacter);
        if (end < utf8.size()) {
            out.Append('?');
            ++end;
        }
        position = end;
    }
    return out.Take();
}

std::optional<std::string> Utf8ToUserAnsiCodePage(std::string_view utf8) {
    return Utf8ToCodePage(utf8, UserAnsiCodePage());
}

std::optional<std::string> CodePageToUtf8(std::string_view bytes, std::uint32_t codePage) {
    const char* name = IconvName(codePage);
    if (name == nullptr) {
        return std::nullopt;
    }
    const IconvDescriptor converter("UTF-8", name);
    if (!converter.IsOpen()) {
        return std::nullopt;
    }
    SecretText out(bytes.size() * 3);
    ConvertRun(converter.get(), bytes, out, SkipOneByte);
    return out.Take();
}
