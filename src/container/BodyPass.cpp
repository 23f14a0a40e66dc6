#include "container/BodyPass.h"

#include "container/HelperThread.h"
#include "container/ScrambleState.h"
#include "crypto/Keystream.h"
#include "crypto/WipedBuffer.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>
#include <optional>

namespace {

using ChunkBuffer = WipedBuffer<std::uint8_t>;

// Two chunks in turn: the caller reads and ciphers one while the helpers
// finish the other. Encrypting, the scrambled copy for the write is a third.
struct ChunkBuffers {
    std::array<std::unique_ptr<ChunkBuffer>, 2> chunks;
    std::unique_ptr<ChunkBuffer> scrambled;
};

struct BodyWork {
    BodyDirection direction;
    std::span<const std::uint8_t, 32> passwordKey;
    std::span<const std::uint8_t, 20> nonce;
    std::uint32_t count;
    Sha1Context* digest;
    ProgressSink& progress;
    FileHandle& output;
    ScrambleState scrambler{};
};

// Made after the buffers they use, so they end first. Decrypting has no digest.
struct Helpers {
    explicit Helpers(BodyDirection direction) {
        if (direction == BodyDirection::Encrypt) {
            digester.emplace();
        }
    }

    bool WaitBoth() {
        const bool digested = !digester || digester->Wait();
        return writer.Wait() && digested;
    }

    std::optional<HelperThread> digester;
    HelperThread writer;
};

bool AllocateBuffers(BodyDirection direction, ChunkBuffers& buffers) {
    try {
        for (auto& chunk : buffers.chunks) {
            chunk = std::make_unique<ChunkBuffer>(kBodyChunkSize);
        }
        if (direction == BodyDirection::Encrypt) {
            buffers.scrambled = std::make_unique<ChunkBuffer>(kBodyChunkSize);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool ApplyBodyKeystream(const BodyWork& work, std::span<std::uint8_t> bytes, std::uint32_t offset) {
    return ApplyKeystreamChunked(work.nonce.first<16>(), work.passwordKey.first<24>(), bytes,
                                 offset) == 0;
}

bool Report(BodyWork& work, std::span<std::uint8_t> bytes, std::uint32_t offset) {
    const auto done = static_cast<std::uint32_t>(offset + bytes.size());
    return work.progress.ReportProgress(work.count, done) == 0;
}

// Encrypting, the digest reads the enciphered chunk while the writer scrambles
// a copy of it; decrypting, the plain chunk is written as it is.
void HandOver(BodyWork& work, Helpers& helpers, std::span<std::uint8_t> bytes,
              ChunkBuffers& buffers) {
    if (work.direction == BodyDirection::Decrypt) {
        helpers.writer.Post([&work, bytes] { return work.output.WriteAll(bytes); });
        return;
    }
    helpers.digester->Post([&work, bytes] {
        Sha1Update(*work.digest, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        return true;
    });
    const std::span<std::uint8_t> copy{buffers.scrambled->data(), bytes.size()};
    helpers.writer.Post([&work, bytes, copy] {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        work.scrambler.scramble(copy);
        return work.output.WriteAll(copy);
    });
}

// The steps of a plain loop up to the report. The report waits for the chunk
// before to be written, so a failed write is answered before any later report
// and a cancel leaves the reported chunk unwritten.
ResultCode PrepareChunk(BodyWork& work, Helpers& helpers, std::span<std::uint8_t> bytes,
                        std::uint32_t offset) {
    if (work.direction == BodyDirection::Decrypt) {
        work.scrambler.unscramble(bytes);
    }
    if (!ApplyBodyKeystream(work, bytes, offset)) {
        return RC_FAILED;
    }
    if (!helpers.WaitBoth()) {
        return RC_FAILED;
    }
    return Report(work, bytes, offset) ? RC_OK : RC_CANCELLED;
}

ResultCode StreamBody(BodyWork& work, FileHandle& input, ChunkBuffers& buffers) {
    Helpers helpers(work.direction);
    std::uint32_t offset = 0;
    for (std::size_t turn = 0; offset < work.count; turn ^= 1) {
        ChunkBuffer& chunk = *buffers.chunks[turn];
        const std::size_t wanted = std::min(kBodyChunkSize, work.count - offset);
        const std::optional<std::size_t> read = input.Read({chunk.data(), wanted});
        if (!read || *read == 0) {
            return RC_FAILED;
        }
        const std::span<std::uint8_t> bytes{chunk.data(), *read};
        if (const ResultCode code = PrepareChunk(work, helpers, bytes, offset); code != RC_OK) {
            return code;
        }
        HandOver(work, helpers, bytes, buffers);
        offset += static_cast<std::uint32_t>(*read);
    }
    return helpers.WaitBoth() ? RC_OK : RC_FAILED;
}

} // namespace

ResultCode BodyPass(BodyDirection direction, FileHandle& input, FileHandle& output,
                    std::uint32_t count, std::span<const std::uint8_t, 32> passwordKey,
                    std::span<const std::uint8_t, 20> nonce, Sha1Context* digest,
                    ProgressSink& progress) {
    if (count == 0 || (direction == BodyDirection::Encrypt && digest == nullptr)) {
        return RC_BAD_ARGUMENT;
    }
    ChunkBuffers buffers;
    if (!AllocateBuffers(direction, buffers)) {
        return RC_NO_MEMORY;
    }
    BodyWork work{direction, passwordKey, nonce, count, digest, progress, output};
    return StreamBody(work, input, buffers);
}
