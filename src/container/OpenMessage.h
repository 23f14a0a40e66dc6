#pragma once
// Message decryption: the first armoured message of a text checked and
// deciphered. Every length and digest test runs before the password is used,
// so a damaged message reports RC_CORRUPT whatever the password.

#include "container/ResultCode.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct OpenedMessage {
    std::string text; // UTF-8, up to its first NUL; the caller wipes it
    bool forceViewer = false;
};

// `password`: bytes in the user's ANSI code page. RC_OK with `opened` set;
// otherwise RC_BAD_FORMAT (no armour), RC_CORRUPT, RC_KEY_PROTECTED,
// RC_WRONG_PASSWORD, RC_FAILED (keystream) or RC_NO_MEMORY, `opened` untouched.
[[nodiscard]] ResultCode OpenMessage(std::string_view text, std::span<const std::uint8_t> password,
                                     OpenedMessage& opened);
