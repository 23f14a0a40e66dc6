#pragma once
// The seam through which tests of the layers above make file calls fail. While a
// ScopedFileFaults lives, each kind of call of the file layer is counted from 1 across every
// file and thread, and the planned calls fail with EIO (or transfer only half their bytes).
// Without a plan the cost is one atomic load per call.

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

enum class FileOperation : unsigned {
    Open,   // FileHandle::OpenForReading
    Create, // SafeOutputFile::Create
    Read,
    Write,
    Seek,
    Size,
    Commit, // SafeOutputFile::Commit
    Delete, // DeleteFile
    Query,  // QueryPath and the queries built on it, PathExists
};
inline constexpr std::size_t kFileOperationCount = 9;

enum class FaultKind {
    Fail,
    // A read brings half the bytes asked for (at least one); a write writes half and fails,
    // as on a full disk. Other calls simply fail.
    Short,
};

struct FileFault {
    FileOperation operation;
    std::uint32_t first;     // 1 is the first call of that kind made under the plan
    std::uint32_t count = 1; // calls in a row that fail; 0 for every call from first on
    FaultKind kind = FaultKind::Fail;
};

// Plans nest; the innermost one alone counts. Threads that make file calls under a plan must
// have finished before it ends.
class ScopedFileFaults {
public:
    explicit ScopedFileFaults(std::vector<FileFault> faults);
    ~ScopedFileFaults();
    ScopedFileFaults(const ScopedFileFaults&) = delete;
    ScopedFileFaults& operator=(const ScopedFileFaults&) = delete;

    // Calls of that kind made under this plan so far, failed ones included.
    [[nodiscard]] std::uint32_t Calls(FileOperation operation) const;

private:
    friend std::optional<FaultKind> NextFileFault(FileOperation operation);

    std::vector<FileFault> faults_;
    std::array<std::atomic<std::uint32_t>, kFileOperationCount> calls_{};
    ScopedFileFaults* previous_;
};

// For the file layer: counts the call and says whether and how it is to fail.
[[nodiscard]] std::optional<FaultKind> NextFileFault(FileOperation operation);
