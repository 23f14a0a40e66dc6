#pragma once
// AES-192 counter-mode keystream XOR (FIPS 197 cipher, 128-bit big-endian
// counter modulo 2^128) in three implementations with byte-identical results:
// the portable classes, AES-NI on 128-bit vectors and VAES on 256-bit vectors.
// The hardware paths are constant time and allocate nothing; the portable
// one uses lookup tables.

#include <cstdint>
#include <span>

enum class Aes192CtrPath { kPortable, kAesNi, kVaes };

// Whether the build and the processor (less anything forced off) allow the path.
[[nodiscard]] bool Aes192CtrUsable(Aes192CtrPath path);

// The fastest usable path; kPortable when nothing else is.
[[nodiscard]] Aes192CtrPath Aes192CtrFastest();

[[nodiscard]] const char* Aes192CtrName(Aes192CtrPath path);

// XORs buffer byte i with keystream byte offset + i: byte (offset + i) mod 16
// of E_key(iv + (offset + i) div 16). The key is expanded once for the call
// and its schedule wiped. The caller keeps offset + size within 2^32. Returns
// 0, or 1 with the buffer untouched when the portable cipher cannot be
// allocated. A path that is not usable falls back to the portable one.
[[nodiscard]] std::uint32_t Aes192CtrApply(Aes192CtrPath path, std::span<const std::uint8_t, 16> iv,
                                           std::span<const std::uint8_t, 24> key,
                                           std::span<std::uint8_t> buffer, std::uint32_t offset);
