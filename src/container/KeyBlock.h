#pragma once
// The 212-byte key block that begins every file container and every message:
// named offsets of its fields (integers little-endian), the building steps
// both writers share, and the SHA-1 digest over its leading bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

inline constexpr std::size_t kKeyBlockSize = 212;
using KeyBlock = std::array<std::uint8_t, kKeyBlockSize>;
using Sha1Digest = std::array<std::uint8_t, 20>;

namespace KeyBlockOffset {
inline constexpr std::size_t version = 0;
inline constexpr std::size_t verifier = 4;
inline constexpr std::size_t originalSize = 24;
inline constexpr std::size_t filler1 = 28;
inline constexpr std::size_t filler2 = 52;
inline constexpr std::size_t flags = 72;
inline constexpr std::size_t filler3 = 76;
inline constexpr std::size_t createdUtc = 96;
inline constexpr std::size_t filler4 = 112;
inline constexpr std::size_t nonce = 138;
inline constexpr std::size_t keyBlockDigest = 172;
inline constexpr std::size_t bodyDigest = 192;
} // namespace KeyBlockOffset

inline constexpr std::size_t kVerifierSize = 20;
inline constexpr std::size_t kFillerSize = 20;
inline constexpr std::size_t kNonceSize = 20;
inline constexpr std::size_t kCreatedUtcFields = 8;

inline constexpr std::uint32_t kKeyBlockVersion = 0x00010001;
inline constexpr std::uint32_t FLAG_FORCE_VIEWER = 1;
inline constexpr std::uint32_t FLAG_PASSWORD = 2;

// A file's digest covers bytes 0..171, a message's only 0..170.
inline constexpr std::uint32_t kFileKeyBlockDigestLength = 172;
inline constexpr std::uint32_t kMessageKeyBlockDigestLength = 171;

// All 212 bytes zero, then version, originalSize and flags.
void StartKeyBlock(std::span<std::uint8_t, kKeyBlockSize> keyBlock, std::uint32_t originalSize,
                   std::uint32_t flags);

// Random fill step i (0..19): five bytes to verifier[i], filler1[i], filler2[i],
// filler3[i], filler4[i], in this order.
void StoreFillerStep(std::span<std::uint8_t, kKeyBlockSize> keyBlock, std::size_t step,
                     std::span<const std::uint8_t, 5> randomBytes);

// SYSTEMTIME order: year, month, day of week, day, hour, minute, second, milliseconds.
void SetCreatedUtc(std::span<std::uint8_t, kKeyBlockSize> keyBlock,
                   const std::array<std::uint16_t, kCreatedUtcFields>& fields);

[[nodiscard]] Sha1Digest FileKeyBlockDigest(std::span<const std::uint8_t, kKeyBlockSize> keyBlock);
[[nodiscard]] Sha1Digest
MessageKeyBlockDigest(std::span<const std::uint8_t, kKeyBlockSize> keyBlock);

// `offset` is keyBlockDigest or bodyDigest; an offset that leaves no room for
// 20 bytes matches nothing and stores nothing.
[[nodiscard]] bool StoredDigestMatches(std::span<const std::uint8_t, kKeyBlockSize> keyBlock,
                                       std::size_t offset, const Sha1Digest& digest);
void StoreDigest(std::span<std::uint8_t, kKeyBlockSize> keyBlock, std::size_t offset,
                 const Sha1Digest& digest);
