#include "resources/ComposeResultMessage.h"

#include "resources/FormatText.h"
#include "resources/LoadText.h"

#include <cstdint>

namespace {

struct Reason {
    ResultCode code;
    std::uint32_t stringId;
};

constexpr Reason kReasons[] = {
    {RC_FAILED, 107},         {RC_BAD_FORMAT, 108},    {RC_NO_MEMORY, 137},
    {RC_WRONG_PASSWORD, 109}, {RC_KEY_PROTECTED, 110}, {RC_CORRUPT, 111},
    {RC_OUTPUT_FAILED, 113},  {RC_SOURCE_EMPTY, 121},  {RC_TOO_LARGE, 122},
};

constexpr std::uint32_t kGenericReasonId = 112;
constexpr std::string_view kCodeSuffix = "(0x%08X)\n";

const Reason* FindReason(ResultCode code) {
    for (const Reason& reason : kReasons) {
        if (reason.code == code) {
            return &reason;
        }
    }
    return nullptr;
}

} // namespace

std::string ComposeResultMessage(std::string_view leadIn, ResultCode code) {
    if (code == RC_OK) {
        return {};
    }
    const Reason* reason = FindReason(code);
    if (reason == nullptr) {
        const std::string generic = LoadText(kGenericReasonId);
        return generic.empty() ? std::string{} : FormatText(generic, leadIn, code);
    }
    const std::string format = LoadText(reason->stringId);
    if (format.empty()) {
        return {};
    }
    return FormatText(format, leadIn) + FormatText(kCodeSuffix, code);
}
