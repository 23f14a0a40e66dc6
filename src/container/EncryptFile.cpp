#include "container/EncryptFile.h"

#include "container/BodyPass.h"
#include "container/ContainerFront.h"
#include "container/DigestReadPass.h"
#include "container/FilePasswordKey.h"
#include "container/LittleEndian.h"
#include "container/OpenSafeOutput.h"
#include "container/PasswordVerifier.h"
#include "container/ScrambleState.h"
#include "container/WithOpenedSource.h"
#include "crypto/RandomSources.h"
#include "crypto/WipedBuffer.h"
#include "platform/Clock.h"
#include "platform/FileHandle.h"
#include "platform/SafeOutputFile.h"

#include <array>
#include <cstring>
#include <new>
#include <optional>

namespace {

// The container of the largest source is 0xFFFFFFFE bytes long.
constexpr std::uint64_t kLargestSource = 0xFFFFFF08;
constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;

ResultCode TakeSourceSize(const FileHandle& source, std::uint32_t& size) {
    const std::optional<std::uint64_t> fileSize = source.Size();
    if (!fileSize) {
        return RC_SOURCE_EMPTY;
    }
    if (*fileSize >= kFourGiB) {
        return RC_TOO_LARGE;
    }
    if (*fileSize == 0) {
        return RC_SOURCE_EMPTY;
    }
    if (*fileSize > kLargestSource) {
        return RC_TOO_LARGE;
    }
    size = static_cast<std::uint32_t>(*fileSize);
    return RC_OK;
}

// Header and key block are written last; the body starts behind their room.
ResultCode WritePlaceholders(FileHandle& output) {
    const std::array<std::uint8_t, kKeyBlockSize> zeros{};
    const bool written =
        output.WriteAll(std::span(zeros).first(kFileHeaderSize)) && output.WriteAll(zeros);
    return written ? RC_OK : RC_FAILED;
}

void StoreCreatedUtc(KeyBlock& keyBlock) {
    const SYSTEMTIME now = GetSystemTime();
    SetCreatedUtc(keyBlock, {now.year, now.month, now.dayOfWeek, now.day, now.hour, now.minute,
                             now.second, now.milliseconds});
}

void StoreFiller(KeyBlock& keyBlock) {
    PrepareFillerSource();
    for (std::size_t step = 0; step < kFillerSize; ++step) {
        std::array<std::uint8_t, 5> bytes{};
        DrawFillerBytes(bytes);
        StoreFillerStep(keyBlock, step, bytes);
        // The plain verifier bytes among them give away keystream bytes.
        WipeMemory(bytes.data(), bytes.size());
    }
}

// Everything of the key block but its two digests.
ResultCode BuildKeyBlock(KeyBlock& keyBlock, std::uint32_t size, const std::string& password,
                         FilePasswordKey& key) {
    StartKeyBlock(keyBlock, size, 0);
    if (GenerateNonce(std::span(keyBlock).subspan<KeyBlockOffset::nonce, kNonceSize>()) != 0) {
        return RC_FAILED;
    }
    key.Derive(password);
    StoreCreatedUtc(keyBlock);
    StoreFiller(keyBlock);
    SetU32(keyBlock, KeyBlockOffset::flags, FLAG_PASSWORD);
    return SealVerifier(keyBlock, key.Bytes());
}

void StoreFinalDigest(std::span<std::uint8_t> target, Sha1Context& context) {
    std::memcpy(target.data(), Sha1Final(context), 20);
}

// Feeds the plain key block to the container digest, then stores it scrambled.
ResultCode WriteKeyBlock(FileHandle& output, KeyBlock& keyBlock, Sha1Context& container) {
    if (!output.SeekTo(kFileHeaderSize)) {
        return RC_FAILED;
    }
    Sha1Init(container);
    Sha1Update(container, keyBlock.data(), kKeyBlockSize);
    ScrambleState().scramble(keyBlock);
    return output.WriteAll(keyBlock) ? RC_OK : RC_FAILED;
}

ResultCode WriteHeader(FileHandle& output, FileHeader& header, std::uint32_t size,
                       Sha1Context& container) {
    SetFileMagic(header);
    SetU32(header, FileHeaderOffset::totalLength, size + std::uint32_t{kKeyBlockSize});
    StoreFinalDigest(std::span(header).subspan(FileHeaderOffset::containerDigest), container);
    ScrambleState().scramble(FileHeaderScrambledPart(header));
    if (!output.SeekTo(0)) {
        return RC_FAILED;
    }
    return output.WriteAll(header) ? RC_OK : RC_FAILED;
}

// After the body: both key block digests, the key block, the read-back of the
// stored body into the container digest, and the header.
ResultCode FinishContainer(FileHandle& output, ContainerFront& front, std::uint32_t size,
                           Sha1Context& body) {
    StoreFinalDigest(std::span(front.keyBlock).subspan(KeyBlockOffset::bodyDigest), body);
    StoreDigest(front.keyBlock, KeyBlockOffset::keyBlockDigest, FileKeyBlockDigest(front.keyBlock));
    Sha1Context container{};
    if (const ResultCode code = WriteKeyBlock(output, front.keyBlock, container); code != RC_OK) {
        return code;
    }
    if (const ResultCode code =
            DigestReadPass(output, kContainerFrontSize, container, size, ReadOverlap::Overlapped);
        code != RC_OK) {
        return code;
    }
    return WriteHeader(output, front.header, size, container);
}

ResultCode WriteContainer(FileHandle& source, std::uint32_t size, FileHandle& output,
                          const std::string& password, ProgressSink& progress) {
    if (const ResultCode code = WritePlaceholders(output); code != RC_OK) {
        return code;
    }
    ContainerFront front;
    FilePasswordKey key;
    if (const ResultCode code = BuildKeyBlock(front.keyBlock, size, password, key); code != RC_OK) {
        return code;
    }
    Sha1Context body{};
    Sha1Init(body);
    const ResultCode code = BodyPass(
        BodyDirection::Encrypt, source, output, size, key.Bytes(),
        std::span(front.keyBlock).subspan<KeyBlockOffset::nonce, kNonceSize>(), &body, progress);
    if (code != RC_OK) {
        return code;
    }
    return FinishContainer(output, front, size, body);
}

ResultCode EncryptOpenSource(FileHandle& source, const std::string& outputPath,
                             const std::string& password, ProgressSink& progress) {
    std::uint32_t size = 0;
    if (const ResultCode code = TakeSourceSize(source, size); code != RC_OK) {
        return code;
    }
    SafeOutputFile output;
    if (const ResultCode code = OpenSafeOutput(source, outputPath, output); code != RC_OK) {
        return code;
    }
    if (const ResultCode code = WriteContainer(source, size, output.File(), password, progress);
        code != RC_OK) {
        return code;
    }
    return output.Commit() ? RC_OK : RC_FAILED;
}

} // namespace

ResultCode EncryptFile(const std::string& sourcePath, const std::string& outputPath,
                       const std::string* password, ProgressSink& progress) {
    return WithOpenedSource(sourcePath, password,
                            [&](FileHandle& source, const std::string& bytes) {
                                return EncryptOpenSource(source, outputPath, bytes, progress);
                            });
}
