#include "container/FilePasswordKey.h"

#include "crypto/Keystream.h"
#include "crypto/WipedBuffer.h"

FilePasswordKey::~FilePasswordKey() {
    WipeMemory(key_.data(), key_.size());
}

void FilePasswordKey::Derive(const std::string& password) {
    const std::span<const std::uint8_t> bytes{
        reinterpret_cast<const std::uint8_t*>(password.data()), password.size()};
    // Derivation has no failure result.
    static_cast<void>(DerivePasswordKey(bytes, key_));
}
