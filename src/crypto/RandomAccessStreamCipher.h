#pragma once
// A stream cipher whose keystream can be entered at any byte offset.

#include "crypto/StreamCipher.h"

#include <cstdint>

class Ferrik_RandomAccessStreamCipher : public virtual Ferrik_StreamCipher {
public:
    // The next byte transformed uses keystream byte `offset`.
    virtual void SetPosition(std::uint32_t offset) = 0;
};
