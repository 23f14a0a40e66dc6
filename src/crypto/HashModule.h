#pragma once
// The hash interface of the cryptographic library: feed bytes with Update, take
// the digest with Final, which leaves the object ready for the next message.

#include <cstdint>

class Ferrik_HashModule {
public:
    virtual ~Ferrik_HashModule() = default;

    // At most 2^32 - 1 bytes a call; a length of 0 changes nothing.
    virtual void Update(const std::uint8_t* data, std::uint32_t length) = 0;
    // Writes DigestLength() bytes, then resets the object.
    virtual void Final(std::uint8_t* digest) = 0;
    [[nodiscard]] virtual std::uint32_t DigestLength() const = 0;
    // Finishes the message and compares its digest with DigestLength() expected
    // bytes in constant time; the object is reset either way.
    [[nodiscard]] virtual bool CheckDigest(const std::uint8_t* expected);
    // Update of the data, then Final into `digest`.
    virtual void ComputeDigest(std::uint8_t* digest, const std::uint8_t* data,
                               std::uint32_t length);
};
