#include "crypto/HashModule.h"

#include "crypto/WipedBuffer.h"

bool Ferrik_HashModule::CheckDigest(const std::uint8_t* expected) {
    const std::uint32_t length = DigestLength();
    WipedBuffer<std::uint8_t> computed(length);
    Final(computed.data());

    // Every byte is looked at, so the time taken tells nothing about where they differ.
    std::uint8_t difference = 0;
    for (std::uint32_t i = 0; i < length; ++i) {
        difference = static_cast<std::uint8_t>(difference | (computed[i] ^ expected[i]));
    }
    return difference == 0;
}

void Ferrik_HashModule::ComputeDigest(std::uint8_t* digest, const std::uint8_t* data,
                                      std::uint32_t length) {
    Update(data, length);
    Final(digest);
}
