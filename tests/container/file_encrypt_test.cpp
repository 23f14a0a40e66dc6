// File encryption: the stored layout, the chunking and its progress reports,
// the size limits, and every failure leaving neither a partial container nor a
// damaged file at the output path.

#include "FileContainerFixture.h"
#include "container/DecryptFile.h"
#include "container/EncryptFile.h"
#include "container/PasswordVerifier.h"
#include "crypto/Keystream.h"
#include "platform/Clock.h"
#include "platform/FileFaults.h"
#include "platform/RandomProvider.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace {

const std::string kSource = "report.txt";
const std::string kOutput = "report.txt.qmx";
const Bytes kEarlierOutput = {'e', 'a', 'r', 'l', 'i', 'e', 'r'};

class EncryptFileTest : public ::testing::Test {
protected:
    ResultCode Encrypt(const Bytes& content, RecordingProgress& progress,
                       const std::string* password = &kPassword) {
        folder.Write(kSource, content);
        return EncryptFile(folder.Path(kSource), folder.Path(kOutput), password, progress);
    }

    ContainerTestFolder folder;
};

struct ChunkCase {
    std::size_t size;
    std::vector<ProgressReport> reports;
};

class EncryptChunkTest : public EncryptFileTest, public ::testing::WithParamInterface<ChunkCase> {};

TEST_P(EncryptChunkTest, ReportsEachChunkAndDecryptsBack) {
    const Bytes source = PatternBytes(GetParam().size);
    RecordingProgress encrypting;
    ASSERT_EQ(Encrypt(source, encrypting), RC_OK);
    EXPECT_EQ(encrypting.reports, GetParam().reports);
    EXPECT_EQ(folder.Read(kOutput).size(), source.size() + 246);

    RecordingProgress decrypting;
    ASSERT_EQ(DecryptFile(folder.Path(kOutput), folder.Path("plain"), &kPassword, decrypting),
              RC_OK);
    std::vector<ProgressReport> expected = {{0, 0}};
    expected.insert(expected.end(), GetParam().reports.begin(), GetParam().reports.end());
    EXPECT_EQ(decrypting.reports, expected);
    EXPECT_EQ(folder.Read("plain"), source);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, EncryptChunkTest,
    ::testing::Values(ChunkCase{1, {{1, 1}}}, ChunkCase{1'310'700, {{1'310'700, 1'310'700}}},
                      ChunkCase{1'310'701, {{1'310'701, 1'310'700}, {1'310'701, 1'310'701}}}));

TEST_F(EncryptFileTest, StoresTheLayoutOfAContainer) {
    const SYSTEMTIME moment{2024, 2, 4, 29, 23, 59, 58, 999};
    const ScopedSystemTime pinned(moment);
    const Bytes source = PatternBytes(3000);
    RecordingProgress progress;
    ASSERT_EQ(Encrypt(source, progress), RC_OK);

    const Bytes stored = folder.Read(kOutput);
    const PlainContainer plain = Unwrap(stored);
    EXPECT_TRUE(HasFileMagic(plain.header));
    EXPECT_TRUE(std::equal(kFileMagic.begin(), kFileMagic.end(), stored.begin()));
    EXPECT_EQ(GetU32(plain.header, FileHeaderOffset::totalLength), stored.size() - 34);
    EXPECT_EQ(plain.Field(KeyBlockOffset::version), 0x00010001u);
    EXPECT_EQ(plain.Field(KeyBlockOffset::originalSize), source.size());
    EXPECT_EQ(plain.Field(KeyBlockOffset::flags), 2u);
    const std::vector<std::uint16_t> fields = {2024, 2, 4, 29, 23, 59, 58, 999};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(GetU16(plain.keyBlock, KeyBlockOffset::createdUtc + 2 * i), fields[i]);
    }
    // All three digests are what a writer computes: resealing changes nothing.
    PlainContainer resealed = plain;
    Reseal(resealed);
    EXPECT_EQ(Wrap(resealed), stored);
}

TEST_F(EncryptFileTest, BodyDeciphersByHandFromKeystreamOffsetZero) {
    const Bytes source = PatternBytes(70'000, 7);
    RecordingProgress progress;
    ASSERT_EQ(Encrypt(source, progress), RC_OK);

    PlainContainer plain = Unwrap(folder.Read(kOutput));
    std::array<std::uint8_t, 32> key{};
    ASSERT_EQ(DerivePasswordKey(
                  {reinterpret_cast<const std::uint8_t*>(kPassword.data()), kPassword.size()}, key),
              0u);
    EXPECT_EQ(CheckVerifier(plain.keyBlock, key), RC_OK);
    const auto nonce = std::span(plain.keyBlock).subspan<KeyBlockOffset::nonce, 16>();
    ASSERT_EQ(ApplyKeystream(nonce, std::span(key).first<24>(), plain.body, 0), 0u);
    EXPECT_EQ(plain.body, source);
}

TEST_F(EncryptFileTest, TwoEncryptionsDifferAndBothDecrypt) {
    const Bytes source = PatternBytes(5000, 3);
    RecordingProgress progress;
    ASSERT_EQ(Encrypt(source, progress), RC_OK);
    const Bytes first = folder.Read(kOutput);
    ASSERT_EQ(EncryptFile(folder.Path(kSource), folder.Path("second.qmx"), &kPassword, progress),
              RC_OK);
    const Bytes second = folder.Read("second.qmx");
    EXPECT_NE(first, second);
    EXPECT_NE(Unwrap(first).Field(KeyBlockOffset::nonce),
              Unwrap(second).Field(KeyBlockOffset::nonce));

    for (const std::string& container : {kOutput, std::string("second.qmx")}) {
        ASSERT_EQ(DecryptFile(folder.Path(container), folder.Path("plain"), &kPassword, progress),
                  RC_OK);
        EXPECT_EQ(folder.Read("plain"), source);
    }
}

TEST_F(EncryptFileTest, EmptyPasswordIsAPassword) {
    const std::string empty;
    const Bytes source = PatternBytes(100);
    RecordingProgress progress;
    ASSERT_EQ(Encrypt(source, progress, &empty), RC_OK);
    EXPECT_EQ(DecryptFile(folder.Path(kOutput), folder.Path("plain"), &kPassword, progress),
              RC_WRONG_PASSWORD);
    ASSERT_EQ(DecryptFile(folder.Path(kOutput), folder.Path("plain"), &empty, progress), RC_OK);
    EXPECT_EQ(folder.Read("plain"), source);
}

TEST_F(EncryptFileTest, FinishedContainerTakesTheModeOfANewFile) {
    for (const mode_t mask : {mode_t{022}, mode_t{077}, mode_t{002}}) {
        const mode_t previous = ::umask(mask);
        RecordingProgress progress;
        const ResultCode code = Encrypt(PatternBytes(10), progress);
        ::umask(previous);
        ASSERT_EQ(code, RC_OK);
        struct stat status {};
        ASSERT_EQ(::stat(folder.Path(kOutput).c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask) << std::oct << mask;
    }
}

// The largest source is accepted: its first chunk is read and reported, and
// the cancel there keeps the test from reading gigabytes.
TEST_F(EncryptFileTest, AcceptsTheLargestSource) {
    folder.Write(kSource, {});
    std::filesystem::resize_file(folder.Path(kSource), 0xFFFFFF08);
    RecordingProgress progress(1);
    EXPECT_EQ(EncryptFile(folder.Path(kSource), folder.Path(kOutput), &kPassword, progress),
              RC_CANCELLED);
    EXPECT_EQ(progress.reports, (std::vector<ProgressReport>{{0xFFFFFF08, 1'310'700}}));
    EXPECT_FALSE(folder.Exists(kOutput));
}

class FailingRandomProvider : public RandomProvider {
public:
    std::uint32_t acquire(std::string_view, std::uint32_t, RandomContext&) override {
        return NTE_FAIL;
    }
    std::uint32_t generate(RandomContext, std::span<std::uint8_t>) override { return NTE_FAIL; }
    void release(RandomContext) override {}
};

struct EncryptFailure {
    const char* name;
    ResultCode code;
    std::optional<std::size_t> sourceSize = 1; // nothing: no source file
    std::vector<FileFault> faults = {};
    std::size_t cancelAt = 0;
    bool passwordMissing = false;
    bool sourcePathMissing = false;
    bool noRandom = false;
    std::uint64_t sparseSize = 0; // a source of this many bytes, all holes
    std::string outputName = kOutput;
};

void PrintTo(const EncryptFailure& row, std::ostream* out) {
    *out << row.name;
}

std::string CaseName(const ::testing::TestParamInfo<EncryptFailure>& info) {
    return info.param.name;
}

const EncryptFailure kEncryptFailures[] = {
    {.name = "NoSourcePath", .code = RC_BAD_ARGUMENT, .sourcePathMissing = true},
    {.name = "NoPassword", .code = RC_BAD_ARGUMENT, .passwordMissing = true},
    {.name = "SourceMissing", .code = RC_NOT_FOUND, .sourceSize = std::nullopt},
    {.name = "SourceUnopenable", .code = RC_NOT_FOUND, .faults = {{FileOperation::Open, 1}}},
    {.name = "SourceEmpty", .code = RC_SOURCE_EMPTY, .sourceSize = 0},
    {.name = "SizeUnreadable", .code = RC_SOURCE_EMPTY, .faults = {{FileOperation::Size, 1}}},
    {.name = "FourGiB", .code = RC_TOO_LARGE, .sparseSize = std::uint64_t{1} << 32},
    {.name = "OneAboveLargest", .code = RC_TOO_LARGE, .sparseSize = 0xFFFFFF09},
    {.name = "OutputUncreatable", .code = RC_OUTPUT_FAILED, .faults = {{FileOperation::Create, 1}}},
    {.name = "OutputFolderMissing", .code = RC_OUTPUT_FAILED, .outputName = "gone/out.qmx"},
    {.name = "OutputIsAFolder", .code = RC_OUTPUT_FAILED, .outputName = "."},
    {.name = "OutputPathMissing", .code = RC_OUTPUT_FAILED, .outputName = ""},
    {.name = "OutputIsTheSource", .code = RC_OUTPUT_FAILED, .outputName = kSource},
    {.name = "HeaderPlaceholderWrite", .code = RC_FAILED, .faults = {{FileOperation::Write, 1}}},
    {.name = "KeyBlockPlaceholderShort",
     .code = RC_FAILED,
     .faults = {{FileOperation::Write, 2, 1, FaultKind::Short}}},
    {.name = "NoNonce", .code = RC_FAILED, .noRandom = true},
    {.name = "BodyRead", .code = RC_FAILED, .faults = {{FileOperation::Read, 1}}},
    {.name = "BodyWrite", .code = RC_FAILED, .faults = {{FileOperation::Write, 3}}},
    {.name = "KeyBlockSeek", .code = RC_FAILED, .faults = {{FileOperation::Seek, 1}}},
    {.name = "KeyBlockWrite", .code = RC_FAILED, .faults = {{FileOperation::Write, 4}}},
    {.name = "ReadBack", .code = RC_FAILED, .faults = {{FileOperation::Read, 2}}},
    {.name = "HeaderSeek", .code = RC_FAILED, .faults = {{FileOperation::Seek, 2}}},
    {.name = "HeaderWriteShort",
     .code = RC_FAILED,
     .faults = {{FileOperation::Write, 5, 1, FaultKind::Short}}},
    {.name = "Commit", .code = RC_FAILED, .faults = {{FileOperation::Commit, 1}}},
    {.name = "CancelFirstChunk", .code = RC_CANCELLED, .cancelAt = 1},
    {.name = "CancelSecondChunk", .code = RC_CANCELLED, .sourceSize = 1'310'701, .cancelAt = 2},
};

class EncryptFailureTest : public ::testing::TestWithParam<EncryptFailure> {
protected:
    ResultCode Run(const EncryptFailure& row) {
        if (row.sourceSize) {
            folder.Write(kSource, PatternBytes(*row.sourceSize));
        }
        if (row.sparseSize != 0) {
            std::filesystem::resize_file(folder.Path(kSource), row.sparseSize);
        }
        FailingRandomProvider failing;
        std::optional<ScopedRandomProvider> noRandom;
        if (row.noRandom) {
            noRandom.emplace(failing);
        }
        RecordingProgress progress(row.cancelAt);
        const ScopedFileFaults faults(row.faults);
        return EncryptFile(row.sourcePathMissing ? std::string() : folder.Path(kSource),
                           row.outputName.empty() ? std::string() : folder.Path(row.outputName),
                           row.passwordMissing ? nullptr : &kPassword, progress);
    }

    ContainerTestFolder folder;
};

TEST_P(EncryptFailureTest, LeavesNoOutputAndAnEarlierOneAsItWas) {
    const EncryptFailure& row = GetParam();
    EXPECT_EQ(Run(row), row.code);
    std::set<std::string> expected;
    if (row.sourceSize) {
        expected.insert(kSource);
    }
    EXPECT_EQ(folder.Names(), expected);

    if (row.outputName == kOutput) {
        folder.Write(kOutput, kEarlierOutput);
        EXPECT_EQ(Run(row), row.code);
        EXPECT_EQ(folder.Read(kOutput), kEarlierOutput);
        expected.insert(kOutput);
        EXPECT_EQ(folder.Names(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, EncryptFailureTest, ::testing::ValuesIn(kEncryptFailures), CaseName);

TEST_F(EncryptFileTest, ReplacesAnEarlierOutputOnSuccess) {
    folder.Write(kOutput, kEarlierOutput);
    RecordingProgress progress;
    ASSERT_EQ(Encrypt(PatternBytes(20), progress), RC_OK);
    EXPECT_EQ(folder.Read(kOutput).size(), 266u);
    EXPECT_EQ(folder.Names(), (std::set<std::string>{kSource, kOutput}));
}

} // namespace
