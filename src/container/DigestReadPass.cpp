#include "container/DigestReadPass.h"

#include "container/HelperThread.h"
#include "container/ScrambleState.h"
#include "crypto/WipedBuffer.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <optional>
#include <vector>

namespace {

using ReadBuffer = WipedBuffer<std::uint8_t>;
using Buffers = std::vector<std::unique_ptr<ReadBuffer>>;
using Helpers = std::vector<std::unique_ptr<HelperThread>>;

// One buffer per piece in flight: two when helpers digest.
bool AllocateBuffers(Buffers& buffers, std::size_t count) {
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

// Without helpers each piece is digested at once. A helper's Post waits for
// its piece before, so once every helper has its new piece the other buffer
// is free for the next read.
void DigestPiece(std::span<Sha1Context* const> digests, Helpers& helpers,
                 std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i < digests.size(); ++i) {
        Sha1Context& digest = *digests[i];
        if (helpers.empty()) {
            Digest(digest, bytes);
        } else {
            helpers[i]->Post([&digest, bytes] {
                Digest(digest, bytes);
                return true;
            });
        }
    }
}

ResultCode ReadAndDigest(FileHandle& file, std::span<Sha1Context* const> digests,
                         std::uint32_t count, Buffers& buffers, Helpers& helpers) {
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
        DigestPiece(digests, helpers, bytes);
        remaining -= static_cast<std::uint32_t>(*read);
    }
    return RC_OK;
}

} // namespace

ResultCode DigestReadPass(FileHandle& file, std::span<Sha1Context* const> digests,
                          std::uint32_t count, ReadOverlap overlap) {
    const bool overlapped = overlap == ReadOverlap::Overlapped;
    Buffers buffers;
    if (!AllocateBuffers(buffers, overlapped ? 2 : 1)) {
        return RC_NO_MEMORY;
    }
    // Declared after the buffers: each helper ends, after its last piece,
    // before the buffers are released.
    Helpers helpers;
    try {
        for (std::size_t i = 0; overlapped && i < digests.size(); ++i) {
            helpers.push_back(std::make_unique<HelperThread>());
        }
    } catch (const std::bad_alloc&) {
        return RC_NO_MEMORY;
    }
    return ReadAndDigest(file, digests, count, buffers, helpers);
}

ResultCode DigestReadPass(FileHandle& file, Sha1Context& digest, std::uint32_t count,
                          ReadOverlap overlap) {
    const std::array<Sha1Context*, 1> digests{&digest};
    return DigestReadPass(file, digests, count, overlap);
}
