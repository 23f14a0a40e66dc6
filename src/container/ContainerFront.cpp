#include "container/ContainerFront.h"

#include "container/LittleEndian.h"
#include "container/ScrambleState.h"
#include "crypto/WipedBuffer.h"

#include <optional>
#include <span>

namespace {

bool ReadExactly(FileHandle& file, std::span<std::uint8_t> buffer) {
    const std::optional<std::size_t> read = file.Read(buffer);
    return read && *read == buffer.size();
}

} // namespace

ContainerFront::~ContainerFront() {
    WipeMemory(header.data(), header.size());
    WipeMemory(keyBlock.data(), keyBlock.size());
}

ResultCode ReadContainerFront(FileHandle& file, ContainerFront& front) {
    if (!ReadExactly(file, front.header) || !ReadExactly(file, front.keyBlock)) {
        return RC_FAILED;
    }
    ScrambleState().unscramble(FileHeaderScrambledPart(front.header));
    ScrambleState().unscramble(front.keyBlock);
    return RC_OK;
}

ResultCode CheckContainerFront(const ContainerFront& front, std::uint64_t fileSize) {
    // The whole size, not its low 32 bits: a file of 4 GiB or more is no container.
    if (std::uint64_t{StoredTotalLength(front)} + kFileHeaderSize != fileSize) {
        return RC_CORRUPT;
    }
    if (!HasFileMagic(front.header)) {
        return RC_BAD_FORMAT;
    }
    if (!StoredDigestMatches(front.keyBlock, KeyBlockOffset::keyBlockDigest,
                             FileKeyBlockDigest(front.keyBlock))) {
        return RC_CORRUPT;
    }
    return RC_OK;
}

std::uint32_t StoredTotalLength(const ContainerFront& front) {
    return GetU32(front.header, FileHeaderOffset::totalLength);
}

std::uint32_t StoredBodyLength(const ContainerFront& front) {
    return StoredTotalLength(front) - static_cast<std::uint32_t>(kKeyBlockSize);
}

std::uint32_t StoredOriginalSize(const ContainerFront& front) {
    return GetU32(front.keyBlock, KeyBlockOffset::originalSize);
}

bool HasPasswordFlag(const ContainerFront& front) {
    return (GetU32(front.keyBlock, KeyBlockOffset::flags) & FLAG_PASSWORD) != 0;
}
