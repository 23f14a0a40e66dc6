#pragma once
// The password verifier in a plain key block: four check bytes planted among
// the 20 random verifier bytes, enciphered with keystream bytes 0..19 of
// (password key, first 16 nonce bytes), so a reader can tell a wrong password.

#include "container/KeyBlock.h"
#include "container/ResultCode.h"

#include <cstdint>
#include <span>

// Plants the check bytes and enciphers the verifier in place; the nonce must
// already be final. RC_OK, or RC_FAILED when the keystream fails.
[[nodiscard]] ResultCode SealVerifier(std::span<std::uint8_t, kKeyBlockSize> keyBlock,
                                      std::span<const std::uint8_t, 32> passwordKey);

// Deciphers the verifier in place (the buffer keeps the result) and tests the
// check bytes: RC_OK, RC_WRONG_PASSWORD, or RC_FAILED when the keystream fails.
[[nodiscard]] ResultCode CheckVerifier(std::span<std::uint8_t, kKeyBlockSize> keyBlock,
                                       std::span<const std::uint8_t, 32> passwordKey);
