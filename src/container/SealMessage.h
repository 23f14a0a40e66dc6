#pragma once
// Message encryption: a UTF-8 text sealed under a password into the armoured
// text a reader opens with OpenMessage. Filler and verifier bytes come from the
// strong random source only; the clock-seeded generator would let the stored
// filler betray the verifier's plain bytes and with them the first text bytes.

#include "container/ResultCode.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// `password`: bytes in the user's ANSI code page. `comment`: the UTF-8 comment
// line of the armour. An empty text is nothing to do: RC_OK with `armour`
// empty. Otherwise RC_OK with the armoured text; RC_FAILED when random bytes,
// the nonce or the keystream fail or the text is too long for the format; or
// RC_NO_MEMORY. `armour` is left alone on failure.
[[nodiscard]] ResultCode SealMessage(std::string_view text, std::span<const std::uint8_t> password,
                                     bool forceViewer, std::string_view comment,
                                     std::string& armour);
