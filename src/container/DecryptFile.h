#pragma once
// Turns a ".qmx" container back into its plain file. The header, the key block
// and the password are checked first, then the whole container is verified
// through the same open file; only then is the body deciphered from it. The plain file appears at the output path
// only once it is complete; on any failure or cancel nothing is left there and
// a file that stood there stays as it was.

#include "container/ProgressSink.h"
#include "container/ResultCode.h"

#include <string>

// Paths are UTF-8; an empty path is missing. password holds the code-page
// bytes without terminator; nullptr is missing, an empty string is a valid
// password. ReportProgress(0, 0) once the password is accepted, then once per
// body chunk.
[[nodiscard]] ResultCode DecryptFile(const std::string& sourcePath, const std::string& outputPath,
                                     const std::string* password, ProgressSink& progress);
