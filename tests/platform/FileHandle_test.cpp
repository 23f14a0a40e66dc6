#include "platform/FileFaults.h"
#include "platform/FileHandle.h"
#include "platform/PathQueries.h"
#include "platform/TemporaryFolder.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    }
    return bytes;
}

std::span<const std::uint8_t> AsBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string AsText(const std::vector<std::uint8_t>& bytes, std::size_t count) {
    return {reinterpret_cast<const char*>(bytes.data()), count};
}

class FileHandleTest : public testing::Test {
protected:
    TemporaryFolder folder_;
};

TEST_F(FileHandleTest, ReadsToTheEndInFullBuffersAndSeeks) {
    const std::string contents = Pattern(100'000);
    folder_.Write("data", contents);
    FileHandle file = FileHandle::OpenForReading(folder_.Path("data"));
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Size(), 100'000u);

    std::vector<std::uint8_t> buffer(65'536);
    EXPECT_EQ(file.Read(buffer), 65'536u);
    EXPECT_EQ(AsText(buffer, 65'536), contents.substr(0, 65'536));
    EXPECT_EQ(file.Read(buffer), 34'464u);
    EXPECT_EQ(AsText(buffer, 34'464), contents.substr(65'536));
    EXPECT_EQ(file.Read(buffer), 0u);

    ASSERT_TRUE(file.SeekTo(99'990));
    EXPECT_EQ(file.Read(buffer), 10u);
    EXPECT_EQ(AsText(buffer, 10), contents.substr(99'990));
    ASSERT_TRUE(file.SeekTo(1'000'000));
    EXPECT_EQ(file.Read(buffer), 0u);
    EXPECT_FALSE(file.SeekTo(0xFFFF'FFFF'FFFF'FFFFu));
}

TEST_F(FileHandleTest, ReadsAtAnOffsetWithoutMovingThePosition) {
    const std::string contents = Pattern(100'000);
    folder_.Write("data", contents);
    FileHandle file = FileHandle::OpenForReading(folder_.Path("data"));
    ASSERT_TRUE(file.IsOpen());
    std::vector<std::uint8_t> buffer(1000);
    EXPECT_EQ(file.ReadAt(99'500, buffer), 500u);
    EXPECT_EQ(AsText(buffer, 500), contents.substr(99'500));
    EXPECT_EQ(file.ReadAt(200'000, buffer), 0u);
    EXPECT_EQ(file.Read(buffer), 1000u);
    EXPECT_EQ(AsText(buffer, 1000), contents.substr(0, 1000));
    {
        const ScopedFileFaults faults(
            {{FileOperation::Read, 1}, {FileOperation::Read, 2, 1, FaultKind::Short}});
        EXPECT_EQ(file.ReadAt(0, buffer), std::nullopt);
        EXPECT_EQ(file.ReadAt(10, buffer), 500u);
    }
}

TEST_F(FileHandleTest, OpensOnlyExistingRegularFiles) {
    errno = 0;
    EXPECT_FALSE(FileHandle::OpenForReading(folder_.Path("missing")).IsOpen());
    EXPECT_EQ(errno, ENOENT);

    EXPECT_FALSE(FileHandle::OpenForReading(folder_.Root().string()).IsOpen());
    EXPECT_EQ(errno, EISDIR);

    // A pipe nobody writes to must neither hang the open nor pass for a file.
    ASSERT_EQ(::mkfifo(folder_.Path("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(FileHandle::OpenForReading(folder_.Path("pipe")).IsOpen());
}

TEST_F(FileHandleTest, MovingHandsOverTheDescriptorAndDestructionClosesIt) {
    folder_.Write("data", "abc");
    FileHandle first = FileHandle::OpenForReading(folder_.Path("data"));
    const int descriptor = first.Descriptor();
    FileHandle second = std::move(first);
    EXPECT_FALSE(first.IsOpen());
    EXPECT_EQ(second.Descriptor(), descriptor);
    { FileHandle third = std::move(second); }
    EXPECT_EQ(::fcntl(descriptor, F_GETFD), -1);
    EXPECT_EQ(errno, EBADF);
}

TEST_F(FileHandleTest, WritesEverythingItIsGiven) {
    const int descriptor = ::open(folder_.Path("out").c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    FileHandle file(descriptor);
    const std::string contents = Pattern(1'000'000);
    ASSERT_TRUE(file.WriteAll(AsBytes(contents)));
    EXPECT_EQ(file.Size(), 1'000'000u);
    file.Close();
    EXPECT_EQ(folder_.Contents("out"), contents);
}

// The fault seam

class FileFaultsTest : public FileHandleTest {
protected:
    void SetUp() override { folder_.Write("data", Pattern(1000)); }
    FileHandle Open() { return FileHandle::OpenForReading(folder_.Path("data")); }
    FileHandle CreateWritable(const std::string& name) {
        return FileHandle(::open(folder_.Path(name).c_str(), O_RDWR | O_CREAT | O_EXCL, 0600));
    }
};

TEST_F(FileFaultsTest, FailsExactlyThePlannedCalls) {
    ScopedFileFaults faults({{FileOperation::Read, 2}, {FileOperation::Size, 1, 0}});
    FileHandle file = Open();
    std::vector<std::uint8_t> buffer(100);
    EXPECT_EQ(file.Read(buffer), 100u);
    errno = 0;
    EXPECT_EQ(file.Read(buffer), std::nullopt);
    EXPECT_EQ(errno, EIO);
    EXPECT_EQ(file.Read(buffer), 100u);
    // The failed call did not move the position.
    EXPECT_EQ(AsText(buffer, 100), Pattern(1000).substr(100, 100));
    EXPECT_EQ(file.Size(), std::nullopt);
    EXPECT_EQ(file.Size(), std::nullopt);
    EXPECT_EQ(faults.Calls(FileOperation::Read), 3u);
    EXPECT_EQ(faults.Calls(FileOperation::Size), 2u);
}

TEST_F(FileFaultsTest, ShortReadBringsHalfAndShortWriteWritesHalfThenFails) {
    ScopedFileFaults faults({{FileOperation::Read, 1, 1, FaultKind::Short},
                             {FileOperation::Write, 2, 1, FaultKind::Short}});
    FileHandle file = Open();
    std::vector<std::uint8_t> buffer(101);
    EXPECT_EQ(file.Read(buffer), 50u);
    EXPECT_EQ(file.Read(buffer), 101u);
    EXPECT_EQ(AsText(buffer, 101), Pattern(1000).substr(50, 101));

    FileHandle out = CreateWritable("out");
    EXPECT_TRUE(out.WriteAll(AsBytes("12345678")));
    errno = 0;
    EXPECT_FALSE(out.WriteAll(AsBytes("abcdefgh")));
    EXPECT_EQ(errno, ENOSPC);
    out.Close();
    EXPECT_EQ(folder_.Contents("out"), "12345678abcd");
}

TEST_F(FileFaultsTest, EveryKindOfCallHasItsFault) {
    folder_.Write("victim", "x");
    ScopedFileFaults faults({{FileOperation::Open, 1},
                             {FileOperation::Seek, 1},
                             {FileOperation::Write, 1},
                             {FileOperation::Query, 1, 2},
                             {FileOperation::Delete, 1}});
    EXPECT_FALSE(Open().IsOpen());
    FileHandle file = Open();
    ASSERT_TRUE(file.IsOpen());
    EXPECT_FALSE(file.SeekTo(0));
    EXPECT_FALSE(CreateWritable("out").WriteAll(AsBytes("x")));
    EXPECT_EQ(QueryPath(folder_.Path("data")), std::nullopt);
    EXPECT_FALSE(PathExists(folder_.Path("data")));
    EXPECT_TRUE(PathExists(folder_.Path("data")));
    EXPECT_FALSE(DeleteFile(folder_.Path("victim")));
    EXPECT_TRUE(DeleteFile(folder_.Path("victim")));
}

TEST_F(FileFaultsTest, InnerPlanCountsAloneAndTheOuterOneReturns) {
    ScopedFileFaults outer({{FileOperation::Open, 2}});
    EXPECT_TRUE(Open().IsOpen());
    {
        ScopedFileFaults inner({});
        EXPECT_TRUE(Open().IsOpen());
        EXPECT_EQ(inner.Calls(FileOperation::Open), 1u);
    }
    EXPECT_FALSE(Open().IsOpen());
    EXPECT_EQ(outer.Calls(FileOperation::Open), 2u);
}

// Path queries

class PathQueriesTest : public FileHandleTest {};

TEST_F(PathQueriesTest, TellFilesFoldersAndLinksApart) {
    folder_.Write("file", "12345");
    std::filesystem::create_directory(folder_.Path("sub"));
    std::filesystem::create_symlink(folder_.Path("sub"), folder_.Path("link-to-sub"));
    std::filesystem::create_symlink(folder_.Path("nowhere"), folder_.Path("dangling"));

    struct Row {
        const char* name;
        bool exists, folder;
        std::optional<std::uint64_t> size;
    };
    for (const Row& row :
         {Row{"file", true, false, 5}, Row{"sub", true, true, {}},
          Row{"link-to-sub", true, true, {}}, Row{"dangling", true, false, std::nullopt},
          Row{"missing", false, false, std::nullopt}}) {
        const std::string path = folder_.Path(row.name);
        EXPECT_EQ(PathExists(path), row.exists) << row.name;
        EXPECT_EQ(IsFolder(path), row.folder) << row.name;
        if (!row.folder) {
            EXPECT_EQ(FileSizeOf(path), row.size) << row.name;
        }
    }
}

TEST_F(PathQueriesTest, ReadOnlyMeansNoWriteBitAndClearingAddsOwnerWrite) {
    folder_.Write("file", "x");
    const std::string path = folder_.Path("file");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_TRUE(IsReadOnly(path));
    ASSERT_TRUE(ClearReadOnly(path));
    EXPECT_FALSE(IsReadOnly(path));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644u);

    ASSERT_EQ(::chmod(path.c_str(), 0460), 0);
    EXPECT_FALSE(IsReadOnly(path)) << "a group write bit is enough";
    EXPECT_TRUE(ClearReadOnly(path));
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0460u) << "a writable file is left alone";

    EXPECT_FALSE(IsReadOnly(folder_.Path("missing")));
    EXPECT_FALSE(ClearReadOnly(folder_.Path("missing")));
}

TEST_F(PathQueriesTest, DeletesFilesButNotFolders) {
    folder_.Write("file", "x");
    std::filesystem::create_directory(folder_.Path("sub"));
    EXPECT_TRUE(DeleteFile(folder_.Path("file")));
    EXPECT_FALSE(PathExists(folder_.Path("file")));
    EXPECT_FALSE(DeleteFile(folder_.Path("file")));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(DeleteFile(folder_.Path("sub")));
    EXPECT_TRUE(IsFolder(folder_.Path("sub")));
}

} // namespace
