#include "container/PasswordVerifier.h"

#include "crypto/Keystream.h"

#include <array>

namespace {

struct CheckByte {
    std::size_t offset;
    std::uint8_t value;
};

// In the order the reader tests them.
constexpr std::array<CheckByte, 4> kCheckBytes = {{{8, 0xAF}, {21, 0x07}, {16, 0x4A}, {13, 0x50}}};

std::uint32_t ApplyVerifierKeystream(std::span<std::uint8_t, kKeyBlockSize> keyBlock,
                                     std::span<const std::uint8_t, 32> passwordKey) {
    return ApplyKeystream(keyBlock.subspan<KeyBlockOffset::nonce, 16>(), passwordKey.first<24>(),
                          keyBlock.subspan<KeyBlockOffset::verifier, kVerifierSize>(), 0);
}

} // namespace

ResultCode SealVerifier(std::span<std::uint8_t, kKeyBlockSize> keyBlock,
                        std::span<const std::uint8_t, 32> passwordKey) {
    for (const CheckByte& check : kCheckBytes) {
        keyBlock[check.offset] = check.value;
    }
    return ApplyVerifierKeystream(keyBlock, passwordKey) == 0 ? RC_OK : RC_FAILED;
}

ResultCode CheckVerifier(std::span<std::uint8_t, kKeyBlockSize> keyBlock,
                         std::span<const std::uint8_t, 32> passwordKey) {
    if (ApplyVerifierKeystream(keyBlock, passwordKey) != 0) {
        return RC_FAILED;
    }
    for (const CheckByte& check : kCheckBytes) {
        if (keyBlock[check.offset] != check.value) {
            return RC_WRONG_PASSWORD;
        }
    }
    return RC_OK;
}
