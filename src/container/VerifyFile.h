#pragma once
// The read-only check of a whole ".qmx" container: magic, lengths, the key
// block digest, the container digest over the plain key block and the
// descrambled body, the body digest, and the password flag. Needs no password.
// The body is read once; its two digests are computed side by side.

#include "container/ResultCode.h"
#include "platform/FileHandle.h"

#include <string>

// RC_OK when the container at the UTF-8 path is intact and password-protected.
[[nodiscard]] ResultCode VerifyFile(const std::string& sourcePath);

// The same check through a handle already open, from the file's start; the
// position is left anywhere. A reader that verifies the handle it then
// deciphers from cannot be shown one file and given another.
[[nodiscard]] ResultCode VerifyOpenFile(FileHandle& file);
