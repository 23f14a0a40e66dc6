#pragma once
// Reads a stored container body back in 1 MiB pieces, removes its scrambling
// (one region from the body's first byte) and feeds the descrambled bytes to
// one SHA-1 context, or to two from the same single read. Overlapped, two
// threads share the pass: with one digest one reads and descrambles while the
// other digests; with two, each digests one and reads every other piece. The
// digests, the reads and the answers are the same either way.

#include "container/ResultCode.h"
#include "crypto/Sha1Context.h"
#include "platform/FileHandle.h"

#include <cstdint>
#include <span>

inline constexpr std::uint32_t kReadBackChunkSize = 1'048'576;
// A whole piece and the stored byte before it, which its descrambling starts
// from; smaller bodies get buffers of their own size.
inline constexpr std::uint32_t kReadBackBufferSize = kReadBackChunkSize + 1;

enum class ReadOverlap { None, Overlapped };

// Reads exactly count bytes from the file's offset `bodyOffset`, never past
// them, and leaves the file's position alone. RC_NO_MEMORY without buffers;
// RC_FAILED when a read fails or the file ends first. Every thread has ended
// by the return.
[[nodiscard]] ResultCode DigestReadPass(FileHandle& file, std::uint64_t bodyOffset,
                                        std::span<Sha1Context* const> digests,
                                        std::uint32_t count,
                                        ReadOverlap overlap = ReadOverlap::None);

[[nodiscard]] ResultCode DigestReadPass(FileHandle& file, std::uint64_t bodyOffset,
                                        Sha1Context& digest, std::uint32_t count,
                                        ReadOverlap overlap = ReadOverlap::None);
