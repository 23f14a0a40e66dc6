#include "container/DigestReadPass.h"

#include "container/ScrambleState.h"
#include "crypto/WipedBuffer.h"

#include <algorithm>
#include <new>
#include <optional>

ResultCode DigestReadPass(FileHandle& file, Sha1Context& digest, std::uint32_t count) {
    std::optional<WipedBuffer<std::uint8_t>> buffer;
    try {
        buffer.emplace(kReadBackChunkSize);
    } catch (const std::bad_alloc&) {
        return RC_NO_MEMORY;
    }
    ScrambleState scrambler;
    std::uint32_t remaining = count;
    while (remaining != 0) {
        const std::size_t wanted = std::min(kReadBackChunkSize, remaining);
        const std::optional<std::size_t> read = file.Read({buffer->data(), wanted});
        if (!read || *read == 0) {
            return RC_FAILED;
        }
        const std::span<std::uint8_t> bytes{buffer->data(), *read};
        scrambler.unscramble(bytes);
        Sha1Update(digest, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        remaining -= static_cast<std::uint32_t>(*read);
    }
    return RC_OK;
}
