// Pasted text, as the message reader meets it: finding the armour, decoding
// its base64, and the Decrypt button's marker test.

#include "container/Armour.h"
#include "container/Base64.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

namespace {

// A fault here is ours, not the input's: stop so libFuzzer keeps the input.
void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckBase64RoundTrip(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return;
    }
    const auto again = Base64Decode(Base64Encode(bytes, true));
    Require(again.has_value() && std::ranges::equal(*again, bytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const bool marked = HasArmourMarker(text);
    std::string filtered;
    const ResultCode found = FindArmour(text, filtered);
    // A block with both markers always has text after its begin marker.
    Require(found != RC_OK || marked);
    if (found == RC_OK) {
        if (const auto payload = Base64Decode(filtered)) {
            CheckBase64RoundTrip(*payload);
        }
    }
    return 0;
}
