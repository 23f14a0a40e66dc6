#pragma once
// The 246 bytes in front of a file container's body, the header and the key
// block, as a reader holds them once unscrambled, and the tests every reader
// makes of them before it trusts either. Wiped when released.

#include "container/FileHeader.h"
#include "container/KeyBlock.h"
#include "container/ResultCode.h"
#include "platform/FileHandle.h"

#include <cstdint>

inline constexpr std::uint32_t kContainerFrontSize = kFileHeaderSize + kKeyBlockSize;

struct ContainerFront {
    ContainerFront() = default;
    ~ContainerFront();
    ContainerFront(const ContainerFront&) = delete;
    ContainerFront& operator=(const ContainerFront&) = delete;

    FileHeader header{};
    KeyBlock keyBlock{};
};

// Reads both from the file's position, leaving it at the body, and removes
// their scrambling. RC_FAILED when a read fails or brings fewer bytes.
[[nodiscard]] ResultCode ReadContainerFront(FileHandle& file, ContainerFront& front);

// totalLength against the whole file size (RC_CORRUPT, which wins over a wrong
// magic), the magic (RC_BAD_FORMAT), then the key block digest (RC_CORRUPT).
[[nodiscard]] ResultCode CheckContainerFront(const ContainerFront& front, std::uint64_t fileSize);

[[nodiscard]] std::uint32_t StoredTotalLength(const ContainerFront& front);
// totalLength less the key block: the body length once the front has passed
// its checks.
[[nodiscard]] std::uint32_t StoredBodyLength(const ContainerFront& front);
[[nodiscard]] std::uint32_t StoredOriginalSize(const ContainerFront& front);
[[nodiscard]] bool HasPasswordFlag(const ContainerFront& front);
