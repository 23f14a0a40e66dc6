#include "platform/FileFaults.h"
#include "platform/SafeOutputFile.h"
#include "platform/TemporaryFolder.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::span<const std::uint8_t> AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

// Sets the process umask for one test and puts the old one back.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : previous_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(previous_); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

private:
    mode_t previous_;
};

class SafeOutputFileTest : public testing::Test {
protected:
    SafeOutputFile CreateWith(const std::string& name, std::string_view contents) {
        SafeOutputFile output = SafeOutputFile::Create(folder_.Path(name));
        EXPECT_TRUE(output.IsOpen());
        EXPECT_TRUE(output.File().WriteAll(AsBytes(contents)));
        return output;
    }

    TemporaryFolder folder_;
};

TEST_F(SafeOutputFileTest, IsWrittenUnderAHiddenNameBesideTheOutput) {
    SafeOutputFile output = CreateWith("report.txt.qmx", "contents");
    const std::string hidden = std::filesystem::path(output.TemporaryPath()).filename();
    EXPECT_EQ(std::filesystem::path(output.TemporaryPath()).parent_path(), folder_.Root());
    EXPECT_TRUE(hidden.starts_with(".report.txt.qmx.")) << hidden;
    EXPECT_EQ(folder_.Names(), std::set<std::string>{hidden});
    EXPECT_EQ(ModeOf(output.TemporaryPath()), 0600u);
    EXPECT_EQ(output.OutputPath(), folder_.Path("report.txt.qmx"));
}

TEST_F(SafeOutputFileTest, ReadsBackWhatWasWrittenAndWritesOverIt) {
    SafeOutputFile output = CreateWith("out", "0123456789");
    FileHandle& file = output.File();
    ASSERT_TRUE(file.SeekTo(3));
    std::vector<std::uint8_t> buffer(100);
    ASSERT_EQ(file.Read(buffer), 7u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 7), "3456789");
    ASSERT_TRUE(file.SeekTo(0));
    ASSERT_TRUE(file.WriteAll(AsBytes("ab")));
    EXPECT_EQ(file.Size(), 10u);
    ASSERT_TRUE(output.Commit());
    EXPECT_EQ(folder_.Contents("out"), "ab23456789");
}

TEST_F(SafeOutputFileTest, CommitGivesTheNameAndTheModeOfANewFile) {
    for (const mode_t mask : {mode_t{022}, mode_t{027}, mode_t{077}, mode_t{002}}) {
        ScopedUmask umask(mask);
        EXPECT_EQ(CurrentUmask(), mask);
        SafeOutputFile output = CreateWith("out", "done");
        ASSERT_TRUE(output.Commit());
        EXPECT_FALSE(output.IsOpen());
        EXPECT_EQ(folder_.Names(), std::set<std::string>{"out"});
        EXPECT_EQ(folder_.Contents("out"), "done");
        EXPECT_EQ(ModeOf(folder_.Path("out")), 0666u & ~mask) << std::oct << mask;
        ASSERT_EQ(::unlink(folder_.Path("out").c_str()), 0);
    }
}

TEST_F(SafeOutputFileTest, ReplacesAnExistingFileOnlyWhenCommitted) {
    folder_.Write("out", "old contents");
    {
        SafeOutputFile output = CreateWith("out", "new");
        EXPECT_EQ(folder_.Contents("out"), "old contents");
        ASSERT_TRUE(output.Commit());
    }
    EXPECT_EQ(folder_.Contents("out"), "new");
    EXPECT_EQ(folder_.Names(), std::set<std::string>{"out"});
}

TEST_F(SafeOutputFileTest, AbandonedOutputLeavesNothingAndSparesTheOldFile) {
    { SafeOutputFile output = CreateWith("fresh", "partial"); }
    EXPECT_TRUE(folder_.Names().empty());

    folder_.Write("existing", "keep me");
    {
        SafeOutputFile output = CreateWith("existing", "partial");
        output.Abandon();
        EXPECT_FALSE(output.IsOpen());
        EXPECT_FALSE(output.Commit());
    }
    EXPECT_EQ(folder_.Names(), std::set<std::string>{"existing"});
    EXPECT_EQ(folder_.Contents("existing"), "keep me");
}

TEST_F(SafeOutputFileTest, FailedCommitLeavesNothingAndSparesTheOldFile) {
    folder_.Write("existing", "keep me");
    ScopedFileFaults faults({{FileOperation::Commit, 1}});
    SafeOutputFile output = CreateWith("existing", "new");
    errno = 0;
    EXPECT_FALSE(output.Commit());
    EXPECT_EQ(errno, EIO);
    EXPECT_EQ(folder_.Names(), std::set<std::string>{"existing"});
    EXPECT_EQ(folder_.Contents("existing"), "keep me");
}

TEST_F(SafeOutputFileTest, FolderAtTheOutputPathIsRefusedAtOnceOrAtTheRename) {
    std::filesystem::create_directory(folder_.Path("folder"));
    errno = 0;
    EXPECT_FALSE(SafeOutputFile::Create(folder_.Path("folder")).IsOpen());
    EXPECT_EQ(errno, EISDIR);

    // A folder made meanwhile cannot be replaced by a file either.
    SafeOutputFile output = CreateWith("taken", "new");
    std::filesystem::create_directory(folder_.Path("taken"));
    EXPECT_FALSE(output.Commit());
    EXPECT_EQ(folder_.Names(), (std::set<std::string>{"folder", "taken"}));
}

TEST_F(SafeOutputFileTest, MovedOutputKeepsItsFileAndCommits) {
    SafeOutputFile first = CreateWith("out", "moved");
    SafeOutputFile second = std::move(first);
    EXPECT_FALSE(first.IsOpen());
    first = SafeOutputFile();
    EXPECT_EQ(folder_.Names().size(), 1u);
    ASSERT_TRUE(second.Commit());
    EXPECT_EQ(folder_.Contents("out"), "moved");
}

TEST_F(SafeOutputFileTest, CannotBeCreatedWhereNoFileCanBe) {
    errno = 0;
    EXPECT_FALSE(SafeOutputFile::Create(folder_.Path("no-such-folder/out")).IsOpen());
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(SafeOutputFile::Create(folder_.Path("trailing/")).IsOpen());
    EXPECT_FALSE(SafeOutputFile::Create("").IsOpen());

    ScopedFileFaults faults({{FileOperation::Create, 1}});
    EXPECT_FALSE(SafeOutputFile::Create(folder_.Path("out")).IsOpen());
    EXPECT_TRUE(folder_.Names().empty());
}

TEST_F(SafeOutputFileTest, LongestNamesStillGetAHiddenSibling) {
    // 85 three-byte characters: 255 bytes, the longest name there is; the hidden name is cut at
    // a character boundary.
    std::string name;
    for (int i = 0; i < 85; ++i) {
        name += "日";
    }
    SafeOutputFile output = CreateWith(name, "x");
    ASSERT_TRUE(output.IsOpen());
    const std::string hidden = std::filesystem::path(output.TemporaryPath()).filename();
    EXPECT_LE(hidden.size(), 255u);
    EXPECT_TRUE(hidden.starts_with("." + name.substr(0, 198) + ".")) << hidden;
    ASSERT_TRUE(output.Commit());
    EXPECT_EQ(folder_.Names(), std::set<std::string>{name});
}

TEST_F(SafeOutputFileTest, RelativePathsStayInTheWorkingFolder) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder_.Root());
    SafeOutputFile output = SafeOutputFile::Create("plain");
    const bool created = output.IsOpen() && output.File().WriteAll(AsBytes("here"));
    const bool committed = created && output.Commit();
    std::filesystem::current_path(previous);
    ASSERT_TRUE(committed);
    EXPECT_EQ(folder_.Contents("plain"), "here");
}

} // namespace
