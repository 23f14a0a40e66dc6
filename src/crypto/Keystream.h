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

// XORs buffer byte i with keystream byte offset + i of E_key(iv + n). Returns 0,
// or 1 (buffer untouched) when the cipher cannot be created. The caller keeps
// offset + buffer.size() within 32 bits.
[[nodiscard]] std::uint32_t ApplyKeystream(std::span<const std::uint8_t, 16> iv,
                                           std::span<const std::uint8_t, 24> key,
                                           std::span<std::uint8_t> buffer, std::uint32_t offset);

// The same in pieces of at most 65,535 bytes; stops at the first failing piece.
[[nodiscard]] std::uint32_t ApplyKeystreamChunked(std::span<const std::uint8_t, 16> iv,
                                                  std::span<const std::uint8_t, 24> key,
                                                  std::span<std::uint8_t> buffer,
                                                  std::uint32_t offset);
