// Pasted text, as the message reader meets it: the Decrypt button's marker
// test, finding the armour, decoding its base64, and opening the message.

#include "FuzzPassword.h"
#include "RepairDigests.h"
#include "Require.h"
#include "container/Armour.h"
#include "container/Base64.h"
#include "container/OpenMessage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace {

void CheckBase64RoundTrip(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return;
    }
    const auto again = Base64Decode(Base64Encode(bytes, true));
    Require(again.has_value() && std::ranges::equal(*again, bytes),
            "base64 decodes what it encoded");
}

// Returns what FindArmour answered.
ResultCode CheckArmour(std::string_view text) {
    const bool marked = HasArmourMarker(text);
    std::string filtered;
    const ResultCode found = FindArmour(text, filtered);
    // A block with both markers always has text after its begin marker.
    Require(found != RC_OK || marked, "a block FindArmour finds enables Decrypt");
    if (found == RC_OK) {
        if (const auto payload = Base64Decode(filtered)) {
            CheckBase64RoundTrip(*payload);
        }
    }
    return found;
}

bool IsMessageResult(ResultCode result) {
    return result == RC_OK || result == RC_BAD_FORMAT || result == RC_CORRUPT ||
           result == RC_KEY_PROTECTED || result == RC_WRONG_PASSWORD || result == RC_FAILED ||
           result == RC_NO_MEMORY;
}

ResultCode CheckOpen(std::string_view text, ResultCode found) {
    OpenedMessage opened;
    const ResultCode result = OpenMessage(text, PasswordBytes(kFuzzPassword), opened);
    Require(IsMessageResult(result), "OpenMessage answers one of its codes");
    Require(found == RC_OK || result == found, "OpenMessage fails as FindArmour does");
    if (result == RC_OK) {
        Require(opened.text.find('\0') == std::string::npos, "the text ends at its first NUL");
        Require(opened.text.size() <= text.size(), "the text is no longer than its armour");
    } else {
        Require(opened.text.empty() && !opened.forceViewer,
                "a failed open leaves its result alone");
    }
    // Every length and digest test runs before the password is used.
    if (result != RC_OK && result != RC_WRONG_PASSWORD) {
        OpenedMessage other;
        Require(OpenMessage(text, PasswordBytes(kOtherPassword), other) == result,
                "a damaged message fails alike whatever the password");
    }
    return result;
}

// The same message once its digests are right again.
void CheckRepaired(std::string_view text) {
    const std::optional<RepairedMessage> repaired = RepairMessage(text);
    if (!repaired) {
        return;
    }
    const ResultCode result = CheckOpen(repaired->armour, CheckArmour(repaired->armour));
    Require(result != RC_BAD_FORMAT, "a repaired message has its armour");
    if (repaired->intact) {
        Require(result == RC_OK || result == RC_WRONG_PASSWORD,
                "an intact message fails only on its password");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckOpen(text, CheckArmour(text));
    CheckRepaired(text);
    return 0;
}
