#include "container/DecryptFile.h"

#include "container/BodyPass.h"
#include "container/ContainerFront.h"
#include "container/FilePasswordKey.h"
#include "container/OpenSafeOutput.h"
#include "container/PasswordVerifier.h"
#include "container/VerifyFile.h"
#include "container/WithOpenedSource.h"
#include "platform/FileHandle.h"
#include "platform/SafeOutputFile.h"

#include <new>
#include <optional>

namespace {

// Everything that needs no more than the header and the key block, in the
// order a reader must test them; a wrong password reads no body.
ResultCode AcceptContainerFront(FileHandle& source, ContainerFront& front,
                                const std::string& password, FilePasswordKey& key) {
    const std::optional<std::uint64_t> size = source.Size();
    if (!size) {
        return RC_FAILED;
    }
    if (const ResultCode code = ReadContainerFront(source, front); code != RC_OK) {
        return code;
    }
    if (const ResultCode code = CheckContainerFront(front, *size); code != RC_OK) {
        return code;
    }
    if (!HasPasswordFlag(front)) {
        return RC_KEY_PROTECTED;
    }
    key.Derive(password);
    return CheckVerifier(front.keyBlock, key.Bytes());
}

ResultCode DecipherBody(FileHandle& source, const ContainerFront& front, const FilePasswordKey& key,
                        const std::string& outputPath, ProgressSink& progress) {
    SafeOutputFile output;
    if (const ResultCode code = OpenSafeOutput(source, outputPath, output); code != RC_OK) {
        return code;
    }
    const ResultCode code = BodyPass(
        BodyDirection::Decrypt, source, output.File(), StoredOriginalSize(front), key.Bytes(),
        std::span(front.keyBlock).subspan<KeyBlockOffset::nonce, 20>(), nullptr, progress);
    if (code != RC_OK) {
        return code;
    }
    return output.Commit() ? RC_OK : RC_FAILED;
}

ResultCode DecryptOpenContainer(FileHandle& source, const std::string& outputPath,
                                const std::string& password, ProgressSink& progress) {
    ContainerFront front;
    FilePasswordKey key;
    if (const ResultCode code = AcceptContainerFront(source, front, password, key); code != RC_OK) {
        return code;
    }
    if (progress.ReportProgress(0, 0) != 0) {
        return RC_CANCELLED;
    }
    if (const ResultCode code = VerifyOpenFile(source); code != RC_OK) {
        return code;
    }
    if (!source.SeekTo(kContainerFrontSize)) {
        return RC_FAILED;
    }
    return DecipherBody(source, front, key, outputPath, progress);
}

} // namespace

ResultCode DecryptFile(const std::string& sourcePath, const std::string& outputPath,
                       const std::string* password, ProgressSink& progress) {
    return WithOpenedSource(sourcePath, password,
                            [&](FileHandle& source, const std::string& bytes) {
                                return DecryptOpenContainer(source, outputPath, bytes, progress);
                            });
}
