#pragma once
// The streaming loop over a container body, in chunks of 1,310,700 bytes
// (twenty keystream pieces) with one progress report per chunk. Encrypting,
// a chunk is enciphered, reported, fed to the body digest, scrambled and
// written; decrypting, it is unscrambled, deciphered, reported and written.
// The keystream runs on across chunks and the body is one scrambled region.
// The steps after a chunk's report run on helper threads while the next chunk
// is read and ciphered (one read ahead at most); the reports and answers are
// those of a plain loop, and no thread outlives the call.

#include "container/ProgressSink.h"
#include "container/ResultCode.h"
#include "crypto/Sha1Context.h"
#include "platform/FileHandle.h"

#include <cstdint>
#include <span>

inline constexpr std::uint32_t kBodyChunkSize = 1'310'700;

enum class BodyDirection { Encrypt, Decrypt };

// Reads count bytes from input's position and writes them at output's.
// RC_BAD_ARGUMENT for a count of 0, RC_NO_MEMORY without a chunk buffer,
// RC_FAILED for a read, keystream or write failure, RC_CANCELLED when the
// sink answers non-zero (that chunk is not written). digest is fed in the
// encrypt direction only and may be null in the other.
[[nodiscard]] ResultCode BodyPass(BodyDirection direction, FileHandle& input, FileHandle& output,
                                  std::uint32_t count,
                                  std::span<const std::uint8_t, 32> passwordKey,
                                  std::span<const std::uint8_t, 20> nonce, Sha1Context* digest,
                                  ProgressSink& progress);
