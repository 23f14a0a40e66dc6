// Work buffers that cannot be allocated: both file operations answer
// RC_NO_MEMORY and leave no output, through a replaced global operator new
// that refuses allocations of one chosen size.

#include "FileContainerFixture.h"
#include "ReplacedOperatorNew.h"
#include "container/BodyPass.h"
#include "container/DecryptFile.h"
#include "container/DigestReadPass.h"
#include "container/EncryptFile.h"

#include <gtest/gtest.h>

namespace {

std::size_t g_refusedSize = 0;

class ScopedRefusedSize {
public:
    explicit ScopedRefusedSize(std::size_t size) {
        g_refusedSize = size;
        g_refuseAllocation = [](std::size_t wanted) { return wanted == g_refusedSize; };
    }
    ~ScopedRefusedSize() { g_refuseAllocation = nullptr; }
    ScopedRefusedSize(const ScopedRefusedSize&) = delete;
    ScopedRefusedSize& operator=(const ScopedRefusedSize&) = delete;
};

} // namespace

namespace {

enum class Operation { Encrypt, Decrypt };

struct AllocationCase {
    const char* name;
    Operation operation;
    std::size_t refusedSize;
};

const AllocationCase kCases[] = {
    {"EncryptBodyChunk", Operation::Encrypt, kBodyChunkSize},
    {"EncryptReadBack", Operation::Encrypt, kReadBackBufferSize},
    {"DecryptVerification", Operation::Decrypt, kReadBackBufferSize},
    {"DecryptBodyChunk", Operation::Decrypt, kBodyChunkSize},
};

void PrintTo(const AllocationCase& row, std::ostream* out) {
    *out << row.name;
}

std::string CaseName(const ::testing::TestParamInfo<AllocationCase>& info) {
    return info.param.name;
}

class AllocationTest : public ::testing::TestWithParam<AllocationCase> {};

TEST_P(AllocationTest, AnswersNoMemoryAndLeavesNoOutput) {
    ContainerTestFolder folder;
    // More than one read-back piece, so its buffers take their whole size.
    folder.Write("plain", PatternBytes(kReadBackChunkSize + 5));
    RecordingProgress progress;
    ASSERT_EQ(EncryptFile(folder.Path("plain"), folder.Path("plain.qmx"), &kPassword, progress),
              RC_OK);
    const bool encrypting = GetParam().operation == Operation::Encrypt;
    const std::string output = encrypting ? "again.qmx" : "back";
    ResultCode code = RC_OK;
    {
        const ScopedRefusedSize refused(GetParam().refusedSize);
        code =
            encrypting
                ? EncryptFile(folder.Path("plain"), folder.Path(output), &kPassword, progress)
                : DecryptFile(folder.Path("plain.qmx"), folder.Path(output), &kPassword, progress);
    }
    EXPECT_EQ(code, RC_NO_MEMORY);
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"plain", "plain.qmx"}));
}

INSTANTIATE_TEST_SUITE_P(Buffers, AllocationTest, ::testing::ValuesIn(kCases), CaseName);

} // namespace
