#include "container/VerifyFile.h"

#include "container/ContainerFront.h"
#include "container/DigestReadPass.h"
#include "crypto/Sha1Context.h"
#include "platform/FileHandle.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

bool DigestMatches(Sha1Context& context, std::span<const std::uint8_t, 20> expected) {
    const std::uint8_t* digest = Sha1Final(context);
    return std::equal(expected.begin(), expected.end(), digest);
}

// Both digests from one read of the body, side by side on two threads: the
// container digest over the plain key block and the body, the body digest
// over the body alone. The lengths have been checked, so the pass never runs
// into the end of the file: a read that fails is an input/output failure,
// not damage.
ResultCode CheckDigests(FileHandle& file, const ContainerFront& front) {
    Sha1Context container{};
    Sha1Init(container);
    Sha1Update(container, front.keyBlock.data(), kKeyBlockSize);
    Sha1Context body{};
    Sha1Init(body);
    const std::array<Sha1Context*, 2> digests{&container, &body};
    if (const ResultCode code = DigestReadPass(file, kContainerFrontSize, digests,
                                               StoredBodyLength(front), ReadOverlap::Overlapped);
        code != RC_OK) {
        return code;
    }
    const bool intact =
        DigestMatches(container,
                      std::span(front.header).subspan<FileHeaderOffset::containerDigest, 20>()) &&
        DigestMatches(body, std::span(front.keyBlock).subspan<KeyBlockOffset::bodyDigest, 20>());
    return intact ? RC_OK : RC_CORRUPT;
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
    if (const ResultCode code = CheckDigests(file, front); code != RC_OK) {
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
    return VerifyOpenFile(file);
}

ResultCode VerifyOpenFile(FileHandle& file) {
    if (!file.SeekTo(0)) {
        return RC_FAILED;
    }
    ContainerFront front;
    return VerifyOpenContainer(file, front);
}
