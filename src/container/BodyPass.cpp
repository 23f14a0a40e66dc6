#include "container/BodyPass.h"

#include "container/ScrambleState.h"
#include "crypto/Keystream.h"
#include "crypto/WipedBuffer.h"

#include <algorithm>
#include <new>
#include <optional>

namespace {

using ChunkBuffer = WipedBuffer<std::uint8_t>;

struct BodyKeys {
    std::span<const std::uint8_t, 32> passwordKey;
    std::span<const std::uint8_t, 20> nonce;
};

bool ApplyBodyKeystream(const BodyKeys& keys, std::span<std::uint8_t> bytes, std::uint32_t offset) {
    return ApplyKeystreamChunked(keys.nonce.first<16>(), keys.passwordKey.first<24>(), bytes,
                                 offset) == 0;
}

// The encrypt direction's work on one chunk between read and write.
ResultCode EncipherChunk(const BodyKeys& keys, std::span<std::uint8_t> bytes, std::uint32_t offset,
                         std::uint32_t count, Sha1Context& digest, ScrambleState& scrambler,
                         ProgressSink& progress) {
    if (!ApplyBodyKeystream(keys, bytes, offset)) {
        return RC_FAILED;
    }
    const auto done = static_cast<std::uint32_t>(offset + bytes.size());
    if (progress.ReportProgress(count, done) != 0) {
        return RC_CANCELLED;
    }
    Sha1Update(digest, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    scrambler.scramble(bytes);
    return RC_OK;
}

ResultCode DecipherChunk(const BodyKeys& keys, std::span<std::uint8_t> bytes, std::uint32_t offset,
                         std::uint32_t count, ScrambleState& scrambler, ProgressSink& progress) {
    scrambler.unscramble(bytes);
    if (!ApplyBodyKeystream(keys, bytes, offset)) {
        return RC_FAILED;
    }
    const auto done = static_cast<std::uint32_t>(offset + bytes.size());
    return progress.ReportProgress(count, done) != 0 ? RC_CANCELLED : RC_OK;
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
    const BodyKeys keys{passwordKey, nonce};
    ScrambleState scrambler;
    std::uint32_t offset = 0;
    while (offset < count) {
        const std::size_t wanted = std::min(kBodyChunkSize, count - offset);
        const std::optional<std::size_t> read = input.Read({chunk->data(), wanted});
        if (!read || *read == 0) {
            return RC_FAILED;
        }
        const std::span<std::uint8_t> bytes{chunk->data(), *read};
        const ResultCode code =
            direction == BodyDirection::Encrypt
                ? EncipherChunk(keys, bytes, offset, count, *digest, scrambler, progress)
                : DecipherChunk(keys, bytes, offset, count, scrambler, progress);
        if (code != RC_OK) {
            return code;
        }
        if (!output.WriteAll(bytes)) {
            return RC_FAILED;
        }
        offset += static_cast<std::uint32_t>(*read);
    }
    return RC_OK;
}
