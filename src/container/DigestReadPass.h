#pragma once
// Reads a stored container body back from the file's position in 1 MiB
// pieces, removes its scrambling (one region from the body's first byte) and
// feeds the descrambled bytes to one SHA-1 context, or to several from the
// same single read. Overlapped, the next piece is read and descrambled while
// one helper thread per context digests the one before; the digests, the file
// calls and the answers are the same either way.

#include "container/ResultCode.h"
#include "crypto/Sha1Context.h"
#include "platform/FileHandle.h"

#include <cstdint>
#include <span>

inline constexpr std::uint32_t kReadBackChunkSize = 1'048'576;

enum class ReadOverlap { None, Overlapped };

// Reads exactly count bytes, never past them. RC_NO_MEMORY without a buffer;
// RC_FAILED when a read fails or the file ends first. The helper threads, if
// any, have ended by the return.
[[nodiscard]] ResultCode DigestReadPass(FileHandle& file, std::span<Sha1Context* const> digests,
                                        std::uint32_t count,
                                        ReadOverlap overlap = ReadOverlap::None);

[[nodiscard]] ResultCode DigestReadPass(FileHandle& file, Sha1Context& digest, std::uint32_t count,
                                        ReadOverlap overlap = ReadOverlap::None);
