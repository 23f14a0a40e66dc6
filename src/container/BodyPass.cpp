#include "container/BodyPass.h"

#include "container/ScrambleState.h"
#include "crypto/Keystream.h"
#include "crypto/WipedBuffer.h"

#include <algorithm>
#include <new>
#include <optional>

namespace {

using ChunkBuffer = WipedBuffer<std::uint8_t>;

struct BodyWork {
    BodyDirection direction;
    std::span<const std::uint8_t, 32> passwordKey;
    std::span<const std::uint8_t, 20> nonce;
    std::uint32_t count;
    Sha1Context* digest;
    ProgressSink& progress;
    ScrambleState scrambler{};
};

bool ApplyBodyKeystream(const BodyWork& work, std::span<std::uint8_t> bytes, std::uint32_t offset) {
    return ApplyKeystreamChunked(work.nonce.first<16>(), work.passwordKey.first<24>(), bytes,
                                 offset) == 0;
}

bool Report(BodyWork& work, std::span<std::uint8_t> bytes, std::uint32_t offset) {
    const auto done = static_cast<std::uint32_t>(offset + bytes.size());
    return work.progress.ReportProgress(work.count, done) == 0;
}

// Everything between the read of a chunk and its write; a cancel keeps the
// chunk from being written.
ResultCode TransformChunk(BodyWork& work, std::span<std::uint8_t> bytes, std::uint32_t offset) {
    if (work.direction == BodyDirection::Decrypt) {
        work.scrambler.unscramble(bytes);
    }
    if (!ApplyBodyKeystream(work, bytes, offset)) {
        return RC_FAILED;
    }
    if (!Report(work, bytes, offset)) {
        return RC_CANCELLED;
    }
    if (work.direction == BodyDirection::Encrypt) {
        Sha1Update(*work.digest, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        work.scrambler.scramble(bytes);
    }
    return RC_OK;
}

ResultCode StreamBody(BodyWork& work, FileHandle& input, FileHandle& output, ChunkBuffer& chunk) {
    std::uint32_t offset = 0;
    while (offset < work.count) {
        const std::size_t wanted = std::min(kBodyChunkSize, work.count - offset);
        const std::optional<std::size_t> read = input.Read({chunk.data(), wanted});
        if (!read || *read == 0) {
            return RC_FAILED;
        }
        const std::span<std::uint8_t> bytes{chunk.data(), *read};
        if (const ResultCode code = TransformChunk(work, bytes, offset); code != RC_OK) {
            return code;
        }
        if (!output.WriteAll(bytes)) {
            return RC_FAILED;
        }
        offset += static_cast<std::uint32_t>(*read);
    }
    return RC_OK;
}

} // namespace

ResultCode BodyPass(BodyDirection direction, FileHandle& input, FileHandle& output,
                    std::uint32_t count, std::span<const std::uint8_t, 32> passwordKey,
                    std::span<const std::uint8_t, 20> nonce, Sha1Context* digest,
                    ProgressSink& progress) {
    if (count == 0 || (direction == BodyDirection::Encrypt && digest == nullptr)) {
        return RC_BAD_ARGUMENT;
    }
    std::optional<ChunkBuffer> chunk;
    try {
        chunk.emplace(kBodyChunkSize);
    } catch (const std::bad_alloc&) {
        return RC_NO_MEMORY;
    }
    BodyWork work{direction, passwordKey, nonce, count, digest, progress};
    return StreamBody(work, input, output, *chunk);
}
