#include "resources/LanguageFallbackChain.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint16_t kPrimaryLanguageMask = 0x03FF;
constexpr std::uint16_t kSublangDefault = 0x0400;

} // namespace

std::vector<std::uint16_t> LanguageFallbackChain(std::uint16_t langId) {
    const auto primary = static_cast<std::uint16_t>(langId & kPrimaryLanguageMask);
    const std::array<std::uint16_t, 5> order{langId, primary,
                                             static_cast<std::uint16_t>(primary | kSublangDefault),
                                             LANGID_NEUTRAL, LANGID_ENGLISH};
    std::vector<std::uint16_t> chain;
    for (const std::uint16_t candidate : order) {
        if (std::find(chain.begin(), chain.end(), candidate) == chain.end()) {
            chain.push_back(candidate);
        }
    }
    return chain;
}
