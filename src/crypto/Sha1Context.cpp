#include "crypto/Sha1Context.h"

#include "crypto/HashWords.h"
#include "crypto/Sha1Compress.h"

#include <cstring>

namespace {

constexpr std::uint32_t kBlockBytes = 64;
constexpr std::uint32_t kLengthOffset = 56;

std::uint8_t* PendingBytes(Sha1Context& context) {
    return reinterpret_cast<std::uint8_t*>(context.block);
}

void AddToByteCount(Sha1Context& context, std::uint32_t length) {
    context.countLow += length;
    if (context.countLow < length) {
        ++context.countHigh;
    }
}

void CompressWords(Sha1Context& context) {
    Sha1Compress(context.state, context.block);
}

void CompressPendingBlock(Sha1Context& context) {
    LoadBigEndianWords(context.block, PendingBytes(context), 16);
    CompressWords(context);
}

} // namespace

void Sha1Init(Sha1Context& context) {
    std::memcpy(context.state, kSha1InitialState, sizeof context.state);
    context.countHigh = 0;
    context.countLow = 0;
}

void Sha1Update(Sha1Context& context, const std::uint8_t* data, std::uint32_t length) {
    if (length == 0) {
        return;
    }
    const std::uint32_t used = context.countLow % kBlockBytes;
    AddToByteCount(context, length);
    std::uint8_t* pending = PendingBytes(context);

    const std::uint32_t room = kBlockBytes - used;
    if (length < room) {
        std::memcpy(pending + used, data, length);
        return;
    }
    if (used > 0) {
        std::memcpy(pending + used, data, room);
        // Still raw bytes, so it takes the same path as the whole blocks.
        Sha1CompressBlocks(context.state, pending, 1);
        data += room;
        length -= room;
    }
    // Whole blocks straight from the input, in one call so a fast path keeps
    // its state in registers from block to block.
    const std::uint32_t wholeBytes = length - length % kBlockBytes;
    Sha1CompressBlocks(context.state, data, wholeBytes / kBlockBytes);
    data += wholeBytes;
    length -= wholeBytes;
    std::memcpy(pending, data, length);
}

const std::uint8_t* Sha1Final(Sha1Context& context) {
    std::uint8_t* pending = PendingBytes(context);
    std::uint32_t used = context.countLow % kBlockBytes;
    pending[used++] = 0x80;
    if (used > kLengthOffset) {
        std::memset(pending + used, 0, kBlockBytes - used);
        CompressPendingBlock(context);
        used = 0;
    }
    std::memset(pending + used, 0, kLengthOffset - used);
    LoadBigEndianWords(context.block, pending, 14);
    context.block[14] = context.countHigh << 3 | context.countLow >> 29;
    context.block[15] = context.countLow << 3;
    CompressWords(context);

    auto* digest = reinterpret_cast<std::uint8_t*>(context.state);
    for (std::uint32_t& word : context.state) {
        StoreBigEndian32(reinterpret_cast<std::uint8_t*>(&word), word);
    }
    return digest;
}
