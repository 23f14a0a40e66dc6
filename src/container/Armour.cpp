#include "container/Armour.h"

#include "container/Base64.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Plain ASCII classes, whatever the locale; bytes 0x80..0xFF are neither.
bool IsWhiteSpace(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x09 && byte <= 0x0D) || byte == 0x20;
}

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x1F || byte == 0x7F;
}

template <typename Predicate>
std::size_t SkipWhile(std::string_view text, std::size_t position, Predicate predicate) {
    while (position < text.size() && predicate(text[position])) {
        ++position;
    }
    return position;
}

std::size_t Base64RegionStart(std::string_view text, std::size_t afterBeginMarker) {
    std::size_t position = SkipWhile(text, afterBeginMarker, IsWhiteSpace);
    position = SkipWhile(text, position, [](char c) { return !IsControl(c); });
    return SkipWhile(text, position, IsWhiteSpace);
}

} // namespace

// The base64 is written straight into its place in the armour.
std::string WriteArmour(std::string_view comment, std::span<const std::uint8_t> payload) {
    std::string head;
    head.append(kArmourBeginMarker).append(kCrLf);
    head.append(comment).append(kCrLf);
    head.append(kCrLf);
    std::string tail;
    tail.append(kCrLf).append(kArmourEndMarker);
    const std::size_t base64Size = Base64EncodedSize(payload.size(), true);
    std::string armour(head.size() + base64Size + tail.size(), '\0');
    head.copy(armour.data(), head.size());
    Base64EncodeInto(payload, true, std::span(armour).subspan(head.size(), base64Size));
    tail.copy(armour.data() + head.size() + base64Size, tail.size());
    return armour;
}

ResultCode FindArmour(std::string_view text, std::string& filtered) {
    const std::size_t begin = text.find(kArmourBeginMarker);
    if (begin == std::string_view::npos) {
        return RC_BAD_FORMAT;
    }
    const std::size_t start = Base64RegionStart(text, begin + kArmourBeginMarker.size());
    const std::size_t end = text.find(kArmourEndMarker, start);
    if (end == std::string_view::npos) {
        return RC_BAD_FORMAT;
    }
    try {
        const std::string_view block = text.substr(start, end - start);
        std::string region(block.size(), '\0');
        const auto last = std::remove_copy_if(block.begin(), block.end(), region.begin(),
                                              [](char c) { return IsWhiteSpace(c); });
        region.resize(static_cast<std::size_t>(last - region.begin()));
        filtered = std::move(region);
        return RC_OK;
    } catch (const std::bad_alloc&) {
        return RC_NO_MEMORY;
    }
}

bool HasArmourMarker(std::string_view text) {
    const std::size_t begin = text.find(kArmourBeginMarker);
    return begin != std::string_view::npos && begin + kArmourBeginMarker.size() < text.size();
}
