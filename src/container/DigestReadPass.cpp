#include "container/DigestReadPass.h"

#include "container/HelperThread.h"
#include "container/ScrambleState.h"
#include "crypto/WipedBuffer.h"

#include <algorithm>
#include <memory>
#include <new>
#include <optional>
#include <vector>

namespace {

using ReadBuffer = WipedBuffer<std::uint8_t>;

// One buffer per piece in flight: two when a helper digests.
bool AllocateBuffers(std::vector<std::unique_ptr<ReadBuffer>>& buffers, std::size_t count) {
    try {
        buffers.resize(count);
        for (auto& buffer : buffers) {
            buffer = std::make_unique<ReadBuffer>(kReadBackChunkSize);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void Digest(Sha1Context& digest, std::span<const std::uint8_t> bytes) {
    Sha1Update(digest, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

// Without a helper each piece is digested at once.
ResultCode ReadAndDigest(FileHandle& file, Sha1Context& digest, std::uint32_t count,
                         std::vector<std::unique_ptr<ReadBuffer>>& buffers, HelperThread* helper) {
    ScrambleState scrambler;
    std::uint32_t remaining = count;
    for (std::size_t turn = 0; remaining != 0; turn = (turn + 1) % buffers.size()) {
        ReadBuffer& buffer = *buffers[turn];
        const std::size_t wanted = std::min(kReadBackChunkSize, remaining);
        const std::optional<std::size_t> read = file.Read({buffer.data(), wanted});
        if (!read || *read == 0) {
            return RC_FAILED;
        }
        const std::span<std::uint8_t> bytes{buffer.data(), *read};
        scrambler.unscramble(bytes);
        if (helper == nullptr) {
            Digest(digest, bytes);
        } else {
            // Also frees the other buffer for the next read.
            helper->Post([&digest, bytes] {
                Digest(digest, bytes);
                return true;
            });
        }
        remaining -= static_cast<std::uint32_t>(*read);
    }
    return RC_OK;
}

} // namespace

ResultCode DigestReadPass(FileHandle& file, Sha1Context& digest, std::uint32_t count,
                          ReadOverlap overlap) {
    std::vector<std::unique_ptr<ReadBuffer>> buffers;
    if (!AllocateBuffers(buffers, overlap == ReadOverlap::Overlapped ? 2 : 1)) {
        return RC_NO_MEMORY;
    }
    if (overlap == ReadOverlap::None) {
        return ReadAndDigest(file, digest, count, buffers, nullptr);
    }
    // Ends, after its last piece, before the buffers are released.
    HelperThread helper;
    return ReadAndDigest(file, digest, count, buffers, &helper);
}
