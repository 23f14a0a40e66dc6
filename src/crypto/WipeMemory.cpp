#include "crypto/WipedBuffer.h"

#include <cstring>

// The volatile function pointer keeps the compiler from dropping a memset
// whose buffer is about to be freed.
static void* (*const volatile kMemset)(void*, int, std::size_t) = std::memset;

void WipeMemory(void* data, std::size_t size) {
    if (data != nullptr && size != 0) {
        kMemset(data, 0, size);
    }
}
