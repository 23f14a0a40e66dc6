#pragma once
// SHA-1 block compression on the x86 SHA extensions, with the same results as
// Sha1CompressBlocksPortable.

#include "crypto/Sha1Compress.h"

// Null where the build leaves the SHA extensions out or the processor lacks them.
Sha1BlocksFunction Sha1ShaNiBlocks();
