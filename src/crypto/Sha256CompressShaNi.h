#pragma once
// SHA-256 block compression on the x86 SHA extensions, with the same results as
// Sha256CompressBlocksPortable.

#include "crypto/Sha256Compress.h"

// Null where the build leaves the SHA extensions out or the processor lacks them.
Sha256BlocksFunction Sha256ShaNiBlocks();
