#pragma once
// The walk over a buffer that the hardware counter-mode paths share: the rest
// of the block the offset falls in, whole batches, then the start of one more
// batch. A path gives its batch size, XorBatches (whole batches in place) and
// KeystreamBatch (one batch of keystream into 32-byte aligned storage).

#include "crypto/Aes192CtrImpl.h"
#include "crypto/Aes192KeyScheduleNi.h"

#ifdef QMX_AES192_CTR_X86

#include "crypto/WipedBuffer.h"

#include <algorithm>

// Keystream bytes skip .. skip + length of the batch that starts at counter.
template <std::size_t BatchBytes, auto KeystreamBatch>
void Aes192CtrXorPartial(const Aes192RoundKeys& keys, const Aes192CtrCounter& counter,
                         std::uint8_t* data, std::size_t skip, std::size_t length) {
    alignas(32) std::uint8_t keystream[BatchBytes];
    KeystreamBatch(keys, counter, keystream);
    for (std::size_t i = 0; i < length; ++i) {
        data[i] = static_cast<std::uint8_t>(data[i] ^ keystream[skip + i]);
    }
    WipeMemory(keystream, sizeof keystream);
}

template <std::size_t BatchBytes, auto XorBatches, auto KeystreamBatch>
void Aes192CtrHardwareXor(std::span<const std::uint8_t, 16> iv,
                          std::span<const std::uint8_t, 24> key, std::span<std::uint8_t> buffer,
                          std::uint32_t offset) {
    if (buffer.empty()) {
        return;
    }
    Aes192RoundKeys keys;
    ExpandAes192KeyNi(key, keys);
    Aes192CtrCounter counter = Aes192CtrCounterAt(iv, offset / 16);
    std::uint8_t* data = buffer.data();
    std::size_t length = buffer.size();
    if (const std::size_t skip = offset % 16; skip != 0) {
        const std::size_t head = std::min(length, 16 - skip);
        Aes192CtrXorPartial<BatchBytes, KeystreamBatch>(keys, counter, data, skip, head);
        counter.Advance(1);
        data += head;
        length -= head;
    }
    const std::size_t batches = length / BatchBytes;
    XorBatches(keys, counter, data, batches);
    data += batches * BatchBytes;
    length -= batches * BatchBytes;
    if (length != 0) {
        Aes192CtrXorPartial<BatchBytes, KeystreamBatch>(keys, counter, data, 0, length);
    }
    WipeMemory(&keys, sizeof keys);
}

#endif
