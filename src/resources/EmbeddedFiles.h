#pragma once
// The binary resource files compiled into the program, each the exact bytes
// of its file under src/resources/art/png or licence/. Callers use the lookups
// (FindIconGroup, FindBitmap, LicenceText) rather than these.

#include <cstdint>
#include <span>

std::span<const std::uint8_t> EmbeddedProgramIcon256();
std::span<const std::uint8_t> EmbeddedProgramIcon48();
std::span<const std::uint8_t> EmbeddedProgramIcon32();
std::span<const std::uint8_t> EmbeddedProgramIcon24();
std::span<const std::uint8_t> EmbeddedProgramIcon16();

std::span<const std::uint8_t> EmbeddedDocumentIcon256();
std::span<const std::uint8_t> EmbeddedDocumentIcon48();
std::span<const std::uint8_t> EmbeddedDocumentIcon32();
std::span<const std::uint8_t> EmbeddedDocumentIcon24();
std::span<const std::uint8_t> EmbeddedDocumentIcon16();

std::span<const std::uint8_t> EmbeddedLogoBanner();

// UTF-8 with a byte-order mark and CRLF line ends.
std::span<const std::uint8_t> EmbeddedLicenceAgreement();
