#pragma once
// The read-only check of a whole ".qmx" container: magic, lengths, the key
// block digest, the container digest over the plain key block and the
// descrambled body, the body digest, and the password flag. Needs no password.
// The two digests are computed at once, the body digest through a second
// handle on a helper thread; the answer is that of the checks made in turn.

#include "container/ResultCode.h"

#include <string>

// RC_OK when the container at the UTF-8 path is intact and password-protected.
[[nodiscard]] ResultCode VerifyFile(const std::string& sourcePath);
