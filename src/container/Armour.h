#pragma once
// The armoured text of a message: begin marker, comment line, empty line,
// base64 of the payload in 72-character lines, end marker. Lines end in CR LF
// except the base64 lines (LF); nothing follows the end marker.

#include "container/ResultCode.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::string_view kArmourBeginMarker = "------QMX BEGIN MSG------";
inline constexpr std::string_view kArmourEndMarker = "-------QMX END MSG-------";

// `comment` is UTF-8. Throws std::bad_alloc when memory is exhausted.
[[nodiscard]] std::string WriteArmour(std::string_view comment,
                                      std::span<const std::uint8_t> payload);

// The first block in a UTF-8 text: past the begin marker, white space, the
// comment line (every byte that is not a control character) and white space
// again, up to the first end marker, with every white-space byte left out.
// RC_OK with `filtered` set, RC_BAD_FORMAT when a marker is missing, or
// RC_NO_MEMORY.
[[nodiscard]] ResultCode FindArmour(std::string_view text, std::string& filtered);

// True when the UTF-8 text holds the begin marker with at least one byte after it.
[[nodiscard]] bool HasArmourMarker(std::string_view text);
