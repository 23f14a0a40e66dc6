#pragma once
// Reads a stored container body back from the file's position in 1 MiB
// pieces, removes its scrambling (one region from the body's first byte) and
// feeds the descrambled bytes to a SHA-1 context. Overlapped, the next piece
// is read and descrambled while a helper thread digests the one before; the
// digest, the file calls and the answers are the same either way.

#include "container/ResultCode.h"
#include "crypto/Sha1Context.h"
#include "platform/FileHandle.h"

#include <cstdint>

inline constexpr std::uint32_t kReadBackChunkSize = 1'048'576;

enum class ReadOverlap { None, Overlapped };

// Reads exactly count bytes, never past them. RC_NO_MEMORY without a buffer;
// RC_FAILED when a read fails or the file ends first. The helper thread, if
// any, has ended by the return.
[[nodiscard]] ResultCode DigestReadPass(FileHandle& file, Sha1Context& digest, std::uint32_t count,
                                        ReadOverlap overlap = ReadOverlap::None);
