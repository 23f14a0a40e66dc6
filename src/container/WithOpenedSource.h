#pragma once
// The common entry of file encryption and decryption: the argument checks,
// the source opened for reading, and allocation failure reported as a code.

#include "container/ResultCode.h"
#include "platform/FileHandle.h"

#include <new>
#include <string>

template <typename Operation>
[[nodiscard]] ResultCode WithOpenedSource(const std::string& sourcePath,
                                          const std::string* password, Operation&& operation) {
    if (sourcePath.empty() || password == nullptr) {
        return RC_BAD_ARGUMENT;
    }
    FileHandle source = FileHandle::OpenForReading(sourcePath);
    if (!source.IsOpen()) {
        return RC_NOT_FOUND;
    }
    try {
        return operation(source, *password);
    } catch (const std::bad_alloc&) {
        return RC_NO_MEMORY;
    }
}
