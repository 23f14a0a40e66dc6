#include "container/VerifyFile.h"

#include "container/ContainerFront.h"
#include "container/DigestReadPass.h"
#include "crypto/Sha1Context.h"
#include "platform/FileHandle.h"

#include <algorithm>
#include <optional>

namespace {

// Digests count body bytes from the file's position, after the given lead
// bytes, and compares with the stored digest.
ResultCode CheckBodyDigest(FileHandle& file, std::span<const std::uint8_t> lead,
                           std::uint32_t count, std::span<const std::uint8_t, 20> expected) {
    Sha1Context context{};
    Sha1Init(context);
    if (!lead.empty()) {
        Sha1Update(context, lead.data(), static_cast<std::uint32_t>(lead.size()));
    }
    // A read that fails is an input/output failure, not damage: the lengths
    // have been checked, so the pass never runs into the end of the file.
    if (const ResultCode code = DigestReadPass(file, context, count); code != RC_OK) {
        return code;
    }
    const std::uint8_t* digest = Sha1Final(context);
    return std::equal(expected.begin(), expected.end(), digest) ? RC_OK : RC_CORRUPT;
}

ResultCode CheckContainerDigest(FileHandle& file, const ContainerFront& front) {
    return CheckBodyDigest(
        file, front.keyBlock, StoredBodyLength(front),
        std::span(front.header).subspan<FileHeaderOffset::containerDigest, 20>());
}

ResultCode CheckEncipheredBodyDigest(FileHandle& file, const ContainerFront& front) {
    if (!file.SeekTo(kContainerFrontSize)) {
        return RC_FAILED;
    }
    return CheckBodyDigest(file, {}, StoredOriginalSize(front),
                           std::span(front.keyBlock).subspan<KeyBlockOffset::bodyDigest, 20>());
}

ResultCode VerifyOpenContainer(FileHandle& file, ContainerFront& front) {
    const std::optional<std::uint64_t> size = file.Size();
    if (!size) {
        return RC_FAILED;
    }
    if (const ResultCode code = ReadContainerFront(file, front); code != RC_OK) {
        return code;
    }
    if (const ResultCode code = CheckContainerFront(front, *size); code != RC_OK) {
        return code;
    }
    // A body of another length than the key block states is damage, not a
    // shorter plain file.
    if (StoredOriginalSize(front) != StoredBodyLength(front)) {
        return RC_CORRUPT;
    }
    if (const ResultCode code = CheckContainerDigest(file, front); code != RC_OK) {
        return code;
    }
    if (const ResultCode code = CheckEncipheredBodyDigest(file, front); code != RC_OK) {
        return code;
    }
    return HasPasswordFlag(front) ? RC_OK : RC_KEY_PROTECTED;
}

} // namespace

ResultCode VerifyFile(const std::string& sourcePath) {
    if (sourcePath.empty()) {
        return RC_BAD_ARGUMENT;
    }
    FileHandle file = FileHandle::OpenForReading(sourcePath);
    if (!file.IsOpen()) {
        return RC_NOT_FOUND;
    }
    ContainerFront front;
    return VerifyOpenContainer(file, front);
}
