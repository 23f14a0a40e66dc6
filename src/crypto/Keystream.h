#pragma once
// The password key (SHA-256 of the SHA-1 digest of the password bytes) and the
// AES-192 counter-mode keystream XORed at any byte offset. These two keystream
// calls are the only place where body bytes meet the cipher.

#include <cstdint>
#include <span>

inline constexpr std::uint32_t kKeystreamChunk = 65535;

// Always 0.
[[nodiscard]] std::uint32_t DerivePasswordKey(std::span<const std::uint8_t> password,
                                              std::span<std::uint8_t, 32> key);

// XORs buffer byte i with keystream byte offset + i, that is byte
// (offset + i) mod 16 of E_key(iv + (offset + i) div 16). Returns 0, or 1 with
// the buffer untouched when the cipher cannot be created or a byte would lie
// past keystream offset 2^32 - 1.
[[nodiscard]] std::uint32_t ApplyKeystream(std::span<const std::uint8_t, 16> iv,
                                           std::span<const std::uint8_t, 24> key,
                                           std::span<std::uint8_t> buffer, std::uint32_t offset);

// The same in pieces of at most 65,535 bytes, each at its own absolute offset;
// stops at the first failing piece, leaving the pieces before it transformed.
[[nodiscard]] std::uint32_t ApplyKeystreamChunked(std::span<const std::uint8_t, 16> iv,
                                                  std::span<const std::uint8_t, 24> key,
                                                  std::span<std::uint8_t> buffer,
                                                  std::uint32_t offset);
