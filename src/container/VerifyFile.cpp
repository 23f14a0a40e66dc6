#include "container/VerifyFile.h"

#include "container/ContainerFront.h"
#include "container/DigestReadPass.h"
#include "container/HelperThread.h"
#include "crypto/Sha1Context.h"
#include "platform/FileHandle.h"

#include <algorithm>
#include <optional>
#include <sys/stat.h>

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
    return CheckBodyDigest(file, {}, StoredOriginalSize(front),
                           std::span(front.keyBlock).subspan<KeyBlockOffset::bodyDigest, 20>());
}

// The same file again, with a position of its own; closed when the path now
// names another file or the system gives no second handle.
FileHandle OpenSecondHandle(const FileHandle& file, const std::string& path) {
    FileHandle second = FileHandle::OpenForReading(path);
    struct stat first {};
    struct stat again {};
    if (second.IsOpen() &&
        (::fstat(file.Descriptor(), &first) != 0 || ::fstat(second.Descriptor(), &again) != 0 ||
         first.st_dev != again.st_dev || first.st_ino != again.st_ino)) {
        second.Close();
    }
    return second;
}

// One digest after the other through one handle.
ResultCode CheckDigestsInTurn(FileHandle& file, const ContainerFront& front) {
    if (const ResultCode code = CheckContainerDigest(file, front); code != RC_OK) {
        return code;
    }
    if (!file.SeekTo(kContainerFrontSize)) {
        return RC_FAILED;
    }
    return CheckEncipheredBodyDigest(file, front);
}

// The body digest on a second handle and a helper thread while this thread
// computes the container digest; the answers are taken in the order of a
// check made in turn.
ResultCode CheckDigests(FileHandle& file, const std::string& path, const ContainerFront& front) {
    FileHandle second = OpenSecondHandle(file, path);
    if (!second.IsOpen()) {
        return CheckDigestsInTurn(file, front);
    }
    const bool positioned = second.SeekTo(kContainerFrontSize);
    ResultCode bodyCode = RC_FAILED;
    HelperThread helper;
    if (positioned) {
        helper.Post([&second, &front, &bodyCode] {
            bodyCode = CheckEncipheredBodyDigest(second, front);
            return true;
        });
    }
    const ResultCode containerCode = CheckContainerDigest(file, front);
    (void)helper.Wait();
    return containerCode != RC_OK ? containerCode : bodyCode;
}

ResultCode VerifyOpenContainer(FileHandle& file, const std::string& path, ContainerFront& front) {
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
    if (const ResultCode code = CheckDigests(file, path, front); code != RC_OK) {
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
    return VerifyOpenContainer(file, sourcePath, front);
}
