#pragma once
// Opens the output of a file operation as a safe output: written under a
// hidden name beside the output path and renamed over it only on commit.

#include "container/ResultCode.h"
#include "platform/FileHandle.h"
#include "platform/SafeOutputFile.h"

#include <string>

// RC_OUTPUT_FAILED when the path is missing, names a folder, lies in a folder
// that takes no new file, or names the source itself, which the commit would
// replace while it is being read.
[[nodiscard]] ResultCode OpenSafeOutput(const FileHandle& source, const std::string& outputPath,
                                        SafeOutputFile& output);
