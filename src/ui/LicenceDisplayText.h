#pragma once
// The licence agreement's UTF-8 bytes as the text the licence box shows: a
// leading byte-order mark dropped (and nothing else when there is none), CRLF
// and lone CR turned into line breaks, malformed sequences as U+FFFD.
// No bytes give an empty text.

#include <QString>
#include <cstdint>
#include <span>

QString LicenceDisplayText(std::span<const std::uint8_t> bytes);
