// Files of several chunks through the overlapped passes: the stored bytes are
// what the format defines, a failure or cancel in the middle of the pipeline
// stops the reports where a plain loop would, leaves no output and no thread,
// and verification's concurrent digests answer as two passes in turn would.

#include "FileContainerFixture.h"
#include "container/DecryptFile.h"
#include "container/EncryptFile.h"
#include "container/PasswordVerifier.h"
#include "container/VerifyFile.h"
#include "crypto/Keystream.h"
#include "platform/FileFaults.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr std::uint32_t kChunk = 1'310'700;
// Three whole chunks and a short fourth; the read-back takes four pieces.
constexpr std::uint32_t kSourceSize = 3 * kChunk + 4321;
// Placeholder writes come first when encrypting; decrypting, the body is all.
constexpr std::uint32_t kEncryptWritesBeforeBody = 2;

const std::string kSource = "several.bin";
const std::string kContainer = "several.bin.qmx";
const std::string kPlain = "several.out";

std::size_t ThreadsOfThisProcess() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/task")) {
        ++count;
    }
    return count;
}

// A joined thread leaves the task list a moment after its join returns.
std::size_t ThreadsOnceSettled(std::size_t expected) {
    std::size_t count = ThreadsOfThisProcess();
    for (int look = 0; look < 10'000 && count > expected; ++look) {
        std::this_thread::yield();
        count = ThreadsOfThisProcess();
    }
    return count;
}

std::vector<ProgressReport> ReportsUpTo(std::size_t chunks, bool decrypting = false) {
    std::vector<ProgressReport> reports;
    if (decrypting) {
        reports.emplace_back(0, 0);
    }
    for (std::size_t chunk = 1; chunk <= chunks; ++chunk) {
        reports.emplace_back(kSourceSize,
                             std::min<std::uint32_t>(kSourceSize, std::uint32_t(chunk) * kChunk));
    }
    return reports;
}

class FilePipelineTest : public ::testing::Test {
protected:
    // A sanitizer's runtime starts a thread of its own beside the first one.
    static void SetUpTestSuite() {
        std::thread([] {}).join();
    }

    void SetUp() override {
        folder.Write(kSource, source);
        threadsBefore = ThreadsOfThisProcess();
    }

    ResultCode Encrypt(RecordingProgress& progress) {
        return EncryptFile(folder.Path(kSource), folder.Path(kContainer), &kPassword, progress);
    }
    ResultCode Decrypt(RecordingProgress& progress) {
        return DecryptFile(folder.Path(kContainer), folder.Path(kPlain), &kPassword, progress);
    }
    void MakeContainer() {
        RecordingProgress progress;
        ASSERT_EQ(Encrypt(progress), RC_OK);
    }
    void ExpectNoThreadLeft() { EXPECT_EQ(ThreadsOnceSettled(threadsBefore), threadsBefore); }

    const Bytes source = PatternBytes(kSourceSize, 11);
    ContainerTestFolder folder;
    std::size_t threadsBefore = 0;
};

TEST_F(FilePipelineTest, StoresWhatTheFormatDefines) {
    RecordingProgress progress;
    ASSERT_EQ(Encrypt(progress), RC_OK);
    EXPECT_EQ(progress.reports, ReportsUpTo(4));
    const Bytes stored = folder.Read(kContainer);
    PlainContainer plain = Unwrap(stored);
    PlainContainer resealed = plain;
    Reseal(resealed);
    EXPECT_EQ(Wrap(resealed), stored);

    std::array<std::uint8_t, 32> key{};
    ASSERT_EQ(DerivePasswordKey(
                  {reinterpret_cast<const std::uint8_t*>(kPassword.data()), kPassword.size()}, key),
              0u);
    const auto nonce = std::span(plain.keyBlock).subspan<KeyBlockOffset::nonce, 16>();
    ASSERT_EQ(ApplyKeystream(nonce, std::span(key).first<24>(), plain.body, 0), 0u);
    EXPECT_TRUE(plain.body == source);
    ExpectNoThreadLeft();
}

// One handle serves the front, the verification and the body pass, so the
// file verified is the file deciphered.
TEST_F(FilePipelineTest, DecryptsBackWithEveryReport) {
    MakeContainer();
    RecordingProgress progress;
    const ScopedFileFaults counting({});
    ASSERT_EQ(Decrypt(progress), RC_OK);
    EXPECT_EQ(counting.Calls(FileOperation::Open), 1u);
    EXPECT_EQ(counting.Calls(FileOperation::Read), 2u + 6u + 4u);
    EXPECT_EQ(progress.reports, ReportsUpTo(4, true));
    EXPECT_TRUE(folder.Read(kPlain) == source);
    ExpectNoThreadLeft();
}

// Chunk 2's write fails while chunk 3 is read and ciphered: chunk 3 is never
// reported, as in a loop that writes before it reads on.
TEST_F(FilePipelineTest, EncryptWriteFailureInTheMiddle) {
    RecordingProgress progress;
    {
        const ScopedFileFaults faults({{FileOperation::Write, kEncryptWritesBeforeBody + 2}});
        EXPECT_EQ(Encrypt(progress), RC_FAILED);
    }
    EXPECT_EQ(progress.reports, ReportsUpTo(2));
    EXPECT_EQ(folder.Names(), (std::set<std::string>{kSource}));
    ExpectNoThreadLeft();
}

TEST_F(FilePipelineTest, EncryptReadFailureInTheMiddle) {
    RecordingProgress progress;
    {
        const ScopedFileFaults faults({{FileOperation::Read, 3}});
        EXPECT_EQ(Encrypt(progress), RC_FAILED);
    }
    EXPECT_EQ(progress.reports, ReportsUpTo(2));
    EXPECT_EQ(folder.Names(), (std::set<std::string>{kSource}));
    ExpectNoThreadLeft();
}

// The read-back of the stored body fails in its third piece, while the
// helper digests the second.
TEST_F(FilePipelineTest, EncryptReadBackFailureInTheMiddle) {
    RecordingProgress progress;
    {
        const ScopedFileFaults faults({{FileOperation::Read, 4 + 3}});
        EXPECT_EQ(Encrypt(progress), RC_FAILED);
    }
    EXPECT_EQ(progress.reports, ReportsUpTo(4));
    EXPECT_EQ(folder.Names(), (std::set<std::string>{kSource}));
    ExpectNoThreadLeft();
}

// Cancelled at chunk 3: the two chunks before it are written, it is not, and
// nothing is read past it.
TEST_F(FilePipelineTest, EncryptCancelInTheMiddle) {
    RecordingProgress progress(3);
    const ScopedFileFaults counting({});
    EXPECT_EQ(Encrypt(progress), RC_CANCELLED);
    EXPECT_EQ(progress.reports, ReportsUpTo(3));
    EXPECT_EQ(counting.Calls(FileOperation::Write), kEncryptWritesBeforeBody + 2);
    EXPECT_EQ(counting.Calls(FileOperation::Read), 3u);
    EXPECT_EQ(folder.Names(), (std::set<std::string>{kSource}));
    ExpectNoThreadLeft();
}

TEST_F(FilePipelineTest, DecryptWriteFailureInTheMiddle) {
    MakeContainer();
    RecordingProgress progress;
    {
        const ScopedFileFaults faults({{FileOperation::Write, 2, 1, FaultKind::Short}});
        EXPECT_EQ(Decrypt(progress), RC_FAILED);
    }
    EXPECT_EQ(progress.reports, ReportsUpTo(2, true));
    EXPECT_EQ(folder.Names(), (std::set<std::string>{kSource, kContainer}));
    ExpectNoThreadLeft();
}

TEST_F(FilePipelineTest, DecryptCancelInTheMiddle) {
    MakeContainer();
    RecordingProgress progress(1 + 3);
    EXPECT_EQ(Decrypt(progress), RC_CANCELLED);
    EXPECT_EQ(progress.reports, ReportsUpTo(3, true));
    EXPECT_EQ(folder.Names(), (std::set<std::string>{kSource, kContainer}));
    ExpectNoThreadLeft();
}

// A body byte in the last piece of the read-back, and the body digest alone.
TEST_F(FilePipelineTest, VerificationFindsDamageFarIntoTheBody) {
    MakeContainer();
    EXPECT_EQ(VerifyFile(folder.Path(kContainer)), RC_OK);
    Bytes stored = folder.Read(kContainer);
    stored[stored.size() - 10] ^= 0x04;
    folder.Write(kContainer, stored);
    EXPECT_EQ(VerifyFile(folder.Path(kContainer)), RC_CORRUPT);
    stored[stored.size() - 10] ^= 0x04;

    PlainContainer plain = Unwrap(stored);
    plain.keyBlock[KeyBlockOffset::bodyDigest + 19] ^= 0x80;
    Reseal(plain, true);
    folder.Write(kContainer, Wrap(plain));
    EXPECT_EQ(VerifyFile(folder.Path(kContainer)), RC_CORRUPT);
    ExpectNoThreadLeft();
}

// Both digests come from one read through one handle; the container digest's
// own damage is found from it.
TEST_F(FilePipelineTest, VerificationReadsTheBodyOnceForBothDigests) {
    MakeContainer();
    {
        const ScopedFileFaults counting({});
        EXPECT_EQ(VerifyFile(folder.Path(kContainer)), RC_OK);
        EXPECT_EQ(counting.Calls(FileOperation::Open), 1u);
        // Two front reads, then one stream of four pieces.
        EXPECT_EQ(counting.Calls(FileOperation::Read), 6u);
    }
    PlainContainer plain = Unwrap(folder.Read(kContainer));
    plain.header[FileHeaderOffset::containerDigest] ^= 0x01;
    folder.Write(kContainer, Wrap(plain));
    EXPECT_EQ(VerifyFile(folder.Path(kContainer)), RC_CORRUPT);
    ExpectNoThreadLeft();
}

// A failed read in any piece is a failure, while the helpers digest the piece
// before it.
TEST_F(FilePipelineTest, VerificationReadFailureInAnyPiece) {
    MakeContainer();
    for (std::uint32_t read = 3; read <= 6; ++read) {
        const ScopedFileFaults faults({{FileOperation::Read, read}});
        EXPECT_EQ(VerifyFile(folder.Path(kContainer)), RC_FAILED) << "read " << read;
    }
    ExpectNoThreadLeft();
}

} // namespace
