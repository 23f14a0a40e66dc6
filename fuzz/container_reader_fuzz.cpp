// A ".qmx" file as the container reader meets it: verified, then decrypted
// with the fuzz password into an output path where a file already stands.

#include "FuzzPassword.h"
#include "RepairDigests.h"
#include "Require.h"
#include "container/DecryptFile.h"
#include "container/FileHeader.h"
#include "container/KeyBlock.h"
#include "container/ProgressSink.h"
#include "container/VerifyFile.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kContainerFront = kFileHeaderSize + kKeyBlockSize;
constexpr std::string_view kStandingOutput = "a file that stood at the output path";

[[noreturn]] void ScratchFailed(const char* what) {
    std::perror(what);
    std::abort();
}

class GoOn final : public ProgressSink {
public:
    std::uint32_t ReportProgress(std::uint32_t, std::uint32_t) override { return 0; }
};

struct Scratch {
    std::string folder;
    std::string container;
    std::string output;
};

// Made once per process, before the first input; the same two paths every run.
Scratch* theScratch = nullptr;

void RemoveScratch() {
    std::error_code ignored;
    fs::remove_all(theScratch->folder, ignored);
    delete theScratch;
    theScratch = nullptr;
}

// A private folder under TMPDIR.
void MakeScratch() {
    const char* tmp = std::getenv("TMPDIR");
    std::string folder =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/qmx-container-fuzz-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        ScratchFailed("mkdtemp");
    }
    theScratch = new Scratch{folder, folder + "/input.qmx", folder + "/input"};
    std::atexit(RemoveScratch);
}

// A new file each time: truncating one that holds data makes the file system
// start writing it back at close, which costs more than the run itself.
void WriteNew(const std::string& path, std::string_view bytes) {
    if (unlink(path.c_str()) != 0 && errno != ENOENT) {
        ScratchFailed(path.c_str());
    }
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        ScratchFailed(path.c_str());
    }
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            ScratchFailed(path.c_str());
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (close(fd) != 0) {
        ScratchFailed(path.c_str());
    }
}

bool HoldsExactly(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::string content(bytes.size() + 1, '\0');
    const std::size_t count = std::fread(content.data(), 1, content.size(), file);
    std::fclose(file);
    return std::string_view(content.data(), count) == bytes;
}

std::size_t EntriesIn(const std::string& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

bool IsVerifyResult(ResultCode result) {
    return result == RC_OK || result == RC_FAILED || result == RC_BAD_FORMAT ||
           result == RC_NO_MEMORY || result == RC_KEY_PROTECTED || result == RC_CORRUPT;
}

bool IsDecryptResult(ResultCode result) {
    return IsVerifyResult(result) || result == RC_BAD_ARGUMENT || result == RC_WRONG_PASSWORD ||
           result == RC_OUTPUT_FAILED;
}

// `intact`: the digests and lengths are known to be right.
void CheckContainer(std::span<const std::uint8_t> bytes, bool intact) {
    const Scratch& scratch = *theScratch;
    const std::size_t size = bytes.size();
    WriteNew(scratch.container,
             std::string_view(reinterpret_cast<const char*>(bytes.data()), size));
    WriteNew(scratch.output, kStandingOutput);

    ResultCode verified = RC_OK;
    ResultCode decrypted = RC_OK;
    const auto Check = [&](bool condition, const char* rule) {
        if (!condition) {
            std::fprintf(stderr, "VerifyFile %u, DecryptFile %u%s\n", verified, decrypted,
                         intact ? ", intact" : "");
        }
        Require(condition, rule);
    };
    verified = VerifyFile(scratch.container);
    Check(IsVerifyResult(verified), "VerifyFile answers one of its codes");
    Check(!intact || verified == RC_OK, "VerifyFile accepts an intact container");

    const std::string password(kFuzzPassword);
    GoOn goOn;
    decrypted = DecryptFile(scratch.container, scratch.output, &password, goOn);
    Check(IsDecryptResult(decrypted), "DecryptFile answers one of its codes");
    // An empty body is refused by the body pass.
    Check(!intact || decrypted == RC_OK || decrypted == RC_WRONG_PASSWORD ||
              (decrypted == RC_BAD_ARGUMENT && size == kContainerFront),
          "an intact container fails only on its password");

    // Both read the front the same way and test it in the same order, before
    // the password is used.
    if (size < kContainerFront) {
        Check(verified == RC_FAILED && decrypted == RC_FAILED, "a short container is a short read");
    }
    if (verified == RC_BAD_FORMAT || verified == RC_KEY_PROTECTED) {
        Check(decrypted == verified, "DecryptFile refuses a bad magic or flag as VerifyFile does");
    }
    if (verified == RC_OK) {
        Check(decrypted != RC_BAD_FORMAT && decrypted != RC_CORRUPT &&
                  decrypted != RC_KEY_PROTECTED,
              "DecryptFile accepts the front VerifyFile accepted");
    }
    if (decrypted == RC_OK) {
        // Nothing is deciphered before the whole container has been verified.
        Check(verified == RC_OK, "nothing is decrypted that VerifyFile refuses");
        Check(fs::file_size(scratch.output) <= size - kContainerFront,
              "the plain file is no longer than the body");
    } else {
        Check(HoldsExactly(scratch.output, kStandingOutput),
              "a failed decryption leaves the standing file as it was");
    }
    Check(EntriesIn(scratch.folder) == 2, "no partial or hidden output is left");

    if (unlink(scratch.output.c_str()) != 0) {
        ScratchFailed("unlink");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    MakeScratch();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    CheckContainer(bytes, false);
    // The same container once its lengths and digests are right again.
    if (const std::optional<RepairedContainer> repaired = RepairContainer(bytes)) {
        CheckContainer(repaired->bytes, repaired->intact);
    }
    return 0;
}
