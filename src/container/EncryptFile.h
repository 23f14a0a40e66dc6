#pragma once
// Turns one plain file into a ".qmx" container protected by a password: the
// header and key block in front, then the body enciphered from keystream
// offset 0 and scrambled as one region. The container appears at the output
// path only once it is complete; on any failure or cancel nothing is left there
// and a file that stood there stays as it was.

#include "container/ProgressSink.h"
#include "container/ResultCode.h"

#include <string>

// Paths are UTF-8; an empty path is missing. password holds the code-page
// bytes without terminator; nullptr is missing, an empty string is a valid
// password. Progress is reported once per body chunk.
[[nodiscard]] ResultCode EncryptFile(const std::string& sourcePath, const std::string& outputPath,
                                     const std::string* password, ProgressSink& progress);
