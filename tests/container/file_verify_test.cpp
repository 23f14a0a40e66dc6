// Damaged and foreign containers, as verification and decryption see them:
// one table of damage, each row with what VerifyFile and DecryptFile answer,
// and decryption leaving no output and an earlier file untouched on each.

#include "FileContainerFixture.h"
#include "container/DecryptFile.h"
#include "container/EncryptFile.h"
#include "container/VerifyFile.h"
#include "platform/FileFaults.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

const std::string kContainer = "data.bin.qmx";
const std::string kOutput = "data.bin";
const Bytes kEarlierOutput = {'k', 'e', 'e', 'p'};
const std::string kWrongPassword = "tr0ub4dor&3";

// Damage to the stored bytes, or to the plain parts followed by a reseal.
using Damage = std::function<void(ContainerTestFolder&)>;

Damage StoredBytes(std::function<void(Bytes&)> change) {
    return [change](ContainerTestFolder& folder) {
        Bytes stored = folder.Read(kContainer);
        change(stored);
        folder.Write(kContainer, stored);
    };
}

Damage PlainParts(std::function<void(PlainContainer&)> change, bool keepBodyDigest = false) {
    return [change, keepBodyDigest](ContainerTestFolder& folder) {
        PlainContainer plain = Unwrap(folder.Read(kContainer));
        change(plain);
        Reseal(plain, keepBodyDigest);
        folder.Write(kContainer, Wrap(plain));
    };
}

struct DamageCase {
    const char* name;
    Damage damage;
    ResultCode verifyCode;
    ResultCode decryptCode;
    const std::string* password = &kPassword;
};

void PrintTo(const DamageCase& row, std::ostream* out) {
    *out << row.name;
}

std::string CaseName(const ::testing::TestParamInfo<DamageCase>& info) {
    return info.param.name;
}

const DamageCase kDamageCases[] = {
    {"Intact", [](ContainerTestFolder&) {}, RC_OK, RC_OK},
    {"OneByteShort", StoredBytes([](Bytes& b) { b.pop_back(); }), RC_CORRUPT, RC_CORRUPT},
    {"OneByteLong", StoredBytes([](Bytes& b) { b.push_back(0); }), RC_CORRUPT, RC_CORRUPT},
    {"Magic", StoredBytes([](Bytes& b) { b[3] ^= 0x01; }), RC_BAD_FORMAT, RC_BAD_FORMAT},
    {"MagicAndLength", StoredBytes([](Bytes& b) {
         b[3] ^= 0x01;
         b.pop_back();
     }),
     RC_CORRUPT, RC_CORRUPT},
    {"ContainerDigestByte", StoredBytes([](Bytes& b) { b[20] ^= 0x40; }), RC_CORRUPT, RC_CORRUPT},
    {"KeyBlockByte", StoredBytes([](Bytes& b) { b[34 + 60] ^= 0x01; }), RC_CORRUPT, RC_CORRUPT},
    {"BodyByte", StoredBytes([](Bytes& b) { b[246 + 1000] ^= 0x10; }), RC_CORRUPT, RC_CORRUPT},
    {"BodyDigestOnly",
     PlainParts([](PlainContainer& p) { p.keyBlock[KeyBlockOffset::bodyDigest] ^= 1; }, true),
     RC_CORRUPT, RC_CORRUPT},
    {"PasswordFlagCleared",
     PlainParts([](PlainContainer& p) { SetU32(p.keyBlock, KeyBlockOffset::flags, 0); }),
     RC_KEY_PROTECTED, RC_KEY_PROTECTED},
    {"PasswordFlagClearedWrongPassword",
     PlainParts([](PlainContainer& p) { SetU32(p.keyBlock, KeyBlockOffset::flags, 1); }),
     RC_KEY_PROTECTED, RC_KEY_PROTECTED, &kWrongPassword},
    {"WrongPassword", [](ContainerTestFolder&) {}, RC_OK, RC_WRONG_PASSWORD, &kWrongPassword},
    // The password is tested from the key block before the body is read.
    {"BodyByteWrongPassword", StoredBytes([](Bytes& b) { b[246 + 1000] ^= 0x10; }), RC_CORRUPT,
     RC_WRONG_PASSWORD, &kWrongPassword},
    // Every digest agrees, but the body is longer than the key block says.
    {"OriginalSizeShort", PlainParts([](PlainContainer& p) {
         SetU32(p.keyBlock, KeyBlockOffset::originalSize,
                p.Field(KeyBlockOffset::originalSize) - 1);
     }),
     RC_CORRUPT, RC_CORRUPT},
    {"OriginalSizeLong", PlainParts([](PlainContainer& p) {
         SetU32(p.keyBlock, KeyBlockOffset::originalSize,
                p.Field(KeyBlockOffset::originalSize) + 1);
     }),
     RC_CORRUPT, RC_CORRUPT},
    // Intact as a container; the body pass refuses to decrypt nothing.
    {"EmptyBody", PlainParts([](PlainContainer& p) {
         p.body.clear();
         SetU32(p.keyBlock, KeyBlockOffset::originalSize, 0);
     }),
     RC_OK, RC_BAD_ARGUMENT},
    {"ShorterThanAFront", StoredBytes([](Bytes& b) { b.resize(245); }), RC_FAILED, RC_FAILED},
    {"NoContainerAtAll", StoredBytes([](Bytes& b) { b = PatternBytes(4000, 9); }), RC_CORRUPT,
     RC_CORRUPT},
};

class DamageTest : public ::testing::TestWithParam<DamageCase> {
protected:
    void SetUp() override {
        folder.Write("data.bin.source", kSource);
        RecordingProgress progress;
        ASSERT_EQ(EncryptFile(folder.Path("data.bin.source"), folder.Path(kContainer), &kPassword,
                              progress),
                  RC_OK);
        GetParam().damage(folder);
        folder.Write(kOutput, kEarlierOutput);
    }

    const Bytes kSource = PatternBytes(3000, 5);
    ContainerTestFolder folder;
};

TEST_P(DamageTest, VerificationAnswers) {
    EXPECT_EQ(VerifyFile(folder.Path(kContainer)), GetParam().verifyCode);
}

TEST_P(DamageTest, DecryptionAnswersAndKeepsTheEarlierOutput) {
    RecordingProgress progress;
    EXPECT_EQ(
        DecryptFile(folder.Path(kContainer), folder.Path(kOutput), GetParam().password, progress),
        GetParam().decryptCode);
    const std::set<std::string> names = {"data.bin.source", kContainer, kOutput};
    EXPECT_EQ(folder.Names(), names);
    EXPECT_EQ(folder.Read(kOutput), GetParam().decryptCode == RC_OK ? kSource : kEarlierOutput);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamageTest, ::testing::ValuesIn(kDamageCases), CaseName);

class VerifyFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Write("plain", PatternBytes(2000));
        RecordingProgress progress;
        ASSERT_EQ(EncryptFile(folder.Path("plain"), folder.Path(kContainer), &kPassword, progress),
                  RC_OK);
    }

    ContainerTestFolder folder;
};

TEST_F(VerifyFileTest, RefusesAMissingOrUnopenableFile) {
    EXPECT_EQ(VerifyFile(""), RC_BAD_ARGUMENT);
    EXPECT_EQ(VerifyFile(folder.Path("absent.qmx")), RC_NOT_FOUND);
    std::filesystem::create_directory(folder.Path("folder.qmx"));
    EXPECT_EQ(VerifyFile(folder.Path("folder.qmx")), RC_NOT_FOUND);
}

// A read that fails is an input/output failure, not damage.
TEST_F(VerifyFileTest, ReportsAFailedReadAsAFailure) {
    for (std::uint32_t read = 1; read <= 3; ++read) {
        const ScopedFileFaults faults({{FileOperation::Read, read}});
        EXPECT_EQ(VerifyFile(folder.Path(kContainer)), RC_FAILED) << "read " << read;
    }
    const ScopedFileFaults faults({{FileOperation::Seek, 1}});
    EXPECT_EQ(VerifyFile(folder.Path(kContainer)), RC_FAILED);
}

TEST_F(VerifyFileTest, ReadsNoFurtherThanTheBody) {
    // A 4 GiB hole after the container: the low 32 bits of the size still
    // match totalLength, the whole size does not.
    const auto size = std::filesystem::file_size(folder.Path(kContainer));
    std::filesystem::resize_file(folder.Path(kContainer), size + (std::uint64_t{1} << 32));
    const ScopedFileFaults counting({});
    EXPECT_EQ(VerifyFile(folder.Path(kContainer)), RC_CORRUPT);
    EXPECT_EQ(counting.Calls(FileOperation::Read), 2u);
}

// Both digests come from one read of the body.
TEST_F(VerifyFileTest, ReadsTheBodyOnce) {
    const ScopedFileFaults counting({});
    EXPECT_EQ(VerifyFile(folder.Path(kContainer)), RC_OK);
    EXPECT_EQ(counting.Calls(FileOperation::Read), 3u);
}

} // namespace
