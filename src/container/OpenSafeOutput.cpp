#include "container/OpenSafeOutput.h"

#include <sys/stat.h>

namespace {

// Also through another name of the same file (a hard or symbolic link).
bool NamesTheSource(const FileHandle& source, const std::string& outputPath) {
    struct stat sourceStatus {};
    struct stat outputStatus {};
    return ::fstat(source.Descriptor(), &sourceStatus) == 0 &&
           ::stat(outputPath.c_str(), &outputStatus) == 0 &&
           sourceStatus.st_dev == outputStatus.st_dev && sourceStatus.st_ino == outputStatus.st_ino;
}

} // namespace

ResultCode OpenSafeOutput(const FileHandle& source, const std::string& outputPath,
                          SafeOutputFile& output) {
    if (NamesTheSource(source, outputPath)) {
        return RC_OUTPUT_FAILED;
    }
    output = SafeOutputFile::Create(outputPath);
    return output.IsOpen() ? RC_OK : RC_OUTPUT_FAILED;
}
