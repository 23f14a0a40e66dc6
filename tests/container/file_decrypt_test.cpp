// File decryption: its failure rows, cancels, the order in which a wrong
// password is found before any body is read, and the output appearing only
// when complete.

#include "FileContainerFixture.h"
#include "container/DecryptFile.h"
#include "container/EncryptFile.h"
#include "platform/FileFaults.h"

#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace {

const std::string kContainer = "notes.txt.qmx";
const std::string kOutput = "notes.txt";
const Bytes kEarlierOutput = {'o', 'l', 'd'};

void MakeContainer(ContainerTestFolder& folder, const Bytes& plain) {
    folder.Write("source", plain);
    RecordingProgress progress;
    ASSERT_EQ(EncryptFile(folder.Path("source"), folder.Path(kContainer), &kPassword, progress),
              RC_OK);
    std::filesystem::remove(folder.Path("source"));
}

struct DecryptFailure {
    const char* name;
    ResultCode code;
    std::vector<FileFault> faults = {};
    std::size_t cancelAt = 0;
    std::size_t plainSize = 1;
    bool passwordMissing = false;
    bool sourcePathMissing = false;
    std::string sourceName = kContainer;
    std::string outputName = kOutput;
};

void PrintTo(const DecryptFailure& row, std::ostream* out) {
    *out << row.name;
}

std::string CaseName(const ::testing::TestParamInfo<DecryptFailure>& info) {
    return info.param.name;
}

// File calls of a one-byte container, counted per kind: the front is read
// twice (decryption, then verification), the body twice (verification, then
// the body pass), all through the one handle, which seeks back to its start
// to verify and to the body to decipher.
const DecryptFailure kDecryptFailures[] = {
    {.name = "NoSourcePath", .code = RC_BAD_ARGUMENT, .sourcePathMissing = true},
    {.name = "NoPassword", .code = RC_BAD_ARGUMENT, .passwordMissing = true},
    {.name = "ContainerMissing", .code = RC_NOT_FOUND, .sourceName = "absent.qmx"},
    {.name = "ContainerIsAFolder", .code = RC_NOT_FOUND, .sourceName = "."},
    {.name = "ContainerUnopenable", .code = RC_NOT_FOUND, .faults = {{FileOperation::Open, 1}}},
    {.name = "SizeUnreadable", .code = RC_FAILED, .faults = {{FileOperation::Size, 1}}},
    {.name = "HeaderRead", .code = RC_FAILED, .faults = {{FileOperation::Read, 1}}},
    {.name = "KeyBlockReadShort",
     .code = RC_FAILED,
     .faults = {{FileOperation::Read, 2, 1, FaultKind::Short}}},
    {.name = "CancelAtPasswordAccepted", .code = RC_CANCELLED, .cancelAt = 1},
    {.name = "VerificationBodyRead", .code = RC_FAILED, .faults = {{FileOperation::Read, 5}}},
    {.name = "VerificationSeek", .code = RC_FAILED, .faults = {{FileOperation::Seek, 1}}},
    {.name = "SeekToTheBody", .code = RC_FAILED, .faults = {{FileOperation::Seek, 2}}},
    {.name = "OutputUncreatable", .code = RC_OUTPUT_FAILED, .faults = {{FileOperation::Create, 1}}},
    {.name = "OutputFolderMissing", .code = RC_OUTPUT_FAILED, .outputName = "gone/notes.txt"},
    {.name = "OutputIsAFolder", .code = RC_OUTPUT_FAILED, .outputName = "."},
    {.name = "OutputPathMissing", .code = RC_OUTPUT_FAILED, .outputName = ""},
    {.name = "OutputIsTheContainer", .code = RC_OUTPUT_FAILED, .outputName = kContainer},
    {.name = "BodyRead", .code = RC_FAILED, .faults = {{FileOperation::Read, 6}}},
    {.name = "BodyWrite", .code = RC_FAILED, .faults = {{FileOperation::Write, 1}}},
    {.name = "BodyWriteShort",
     .code = RC_FAILED,
     .faults = {{FileOperation::Write, 1, 1, FaultKind::Short}}},
    {.name = "Commit", .code = RC_FAILED, .faults = {{FileOperation::Commit, 1}}},
    {.name = "CancelFirstChunk", .code = RC_CANCELLED, .cancelAt = 2},
    {.name = "CancelSecondChunk", .code = RC_CANCELLED, .cancelAt = 3, .plainSize = 1'310'701},
};

class DecryptFailureTest : public ::testing::TestWithParam<DecryptFailure> {
protected:
    void SetUp() override { MakeContainer(folder, PatternBytes(GetParam().plainSize)); }

    ResultCode Run(const DecryptFailure& row) {
        RecordingProgress progress(row.cancelAt);
        const ScopedFileFaults faults(row.faults);
        return DecryptFile(row.sourcePathMissing ? std::string() : folder.Path(row.sourceName),
                           row.outputName.empty() ? std::string() : folder.Path(row.outputName),
                           row.passwordMissing ? nullptr : &kPassword, progress);
    }

    ContainerTestFolder folder;
};

TEST_P(DecryptFailureTest, LeavesNoOutputAndAnEarlierOneAsItWas) {
    const DecryptFailure& row = GetParam();
    EXPECT_EQ(Run(row), row.code);
    std::set<std::string> expected = {kContainer};
    EXPECT_EQ(folder.Names(), expected);

    if (row.outputName == kOutput) {
        folder.Write(kOutput, kEarlierOutput);
        EXPECT_EQ(Run(row), row.code);
        EXPECT_EQ(folder.Read(kOutput), kEarlierOutput);
        expected.insert(kOutput);
        EXPECT_EQ(folder.Names(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DecryptFailureTest, ::testing::ValuesIn(kDecryptFailures), CaseName);

class DecryptFileTest : public ::testing::Test {
protected:
    ContainerTestFolder folder;
};

TEST_F(DecryptFileTest, WrongPasswordReadsNoBody) {
    MakeContainer(folder, PatternBytes(5000));
    const std::string wrong = "wrong";
    RecordingProgress progress;
    const ScopedFileFaults counting({});
    EXPECT_EQ(DecryptFile(folder.Path(kContainer), folder.Path(kOutput), &wrong, progress),
              RC_WRONG_PASSWORD);
    EXPECT_EQ(counting.Calls(FileOperation::Open), 1u);
    EXPECT_EQ(counting.Calls(FileOperation::Read), 2u);
    EXPECT_TRUE(progress.reports.empty());
}

TEST_F(DecryptFileTest, ReplacesAnEarlierOutputWithTheModeOfANewFile) {
    const Bytes plain = PatternBytes(4321, 8);
    MakeContainer(folder, plain);
    folder.Write(kOutput, kEarlierOutput);
    ASSERT_EQ(::chmod(folder.Path(kOutput).c_str(), 0600), 0);
    const mode_t previous = ::umask(027);
    RecordingProgress progress;
    const ResultCode code =
        DecryptFile(folder.Path(kContainer), folder.Path(kOutput), &kPassword, progress);
    ::umask(previous);
    ASSERT_EQ(code, RC_OK);
    EXPECT_EQ(folder.Read(kOutput), plain);
    struct stat status {};
    ASSERT_EQ(::stat(folder.Path(kOutput).c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(folder.Names(), (std::set<std::string>{kContainer, kOutput}));
}

} // namespace
