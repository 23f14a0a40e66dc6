#include "container/ScrambleWords.h"

namespace {

constexpr std::size_t kWordBytes = 8;
constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
constexpr LcgJump kWordJump = ScrambleJump(kWordBytes);

// Byte i of the word is the byte at address i, whatever the host's byte order.
std::uint64_t LoadWord(const std::uint8_t* bytes) {
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < kWordBytes; ++i) {
        word |= std::uint64_t{bytes[i]} << (8 * i);
    }
    return word;
}

void StoreWord(std::uint8_t* bytes, std::uint64_t word) {
    for (std::size_t i = 0; i < kWordBytes; ++i) {
        bytes[i] = static_cast<std::uint8_t>(word >> (8 * i));
    }
}

// The generator states of the next eight bytes, lane i for byte i.
class MaskLanes {
public:
    explicit MaskLanes(std::uint32_t state) {
        for (std::uint32_t& lane : lanes_) {
            state = kScrambleStep(state);
            lane = state;
        }
    }

    // The next eight mask bytes as a word; `last` becomes the last state used.
    std::uint64_t next(std::uint32_t& last) {
        std::uint64_t keys = 0;
        for (std::size_t i = 0; i < kWordBytes; ++i) {
            keys |= std::uint64_t{(lanes_[i] >> 16) & 0xFFu} << (8 * i);
        }
        last = lanes_[kWordBytes - 1];
        for (std::uint32_t& lane : lanes_) {
            lane = kWordJump(lane);
        }
        return ~keys;
    }

private:
    std::uint32_t lanes_[kWordBytes];
};

std::uint8_t NextMask(ScrambleCursor& cursor) {
    cursor.state = kScrambleStep(cursor.state);
    return ScrambleMask(cursor.state);
}

} // namespace

void ScrambleWords(ScrambleCursor& cursor, std::span<std::uint8_t> bytes) {
    std::uint8_t* at = bytes.data();
    std::size_t left = bytes.size();
    if (left >= kWordBytes) {
        MaskLanes masks(cursor.state);
        std::uint64_t chain = cursor.chain;
        for (; left >= kWordBytes; left -= kWordBytes, at += kWordBytes) {
            std::uint64_t word = LoadWord(at) ^ masks.next(cursor.state);
            // Each stored byte XORs in all before it: a prefix XOR, plus the carried chain.
            word ^= word << 8;
            word ^= word << 16;
            word ^= word << 32;
            word ^= chain * kEveryByte;
            StoreWord(at, word);
            chain = word >> 56;
        }
        cursor.chain = static_cast<std::uint8_t>(chain);
    }
    for (; left > 0; --left, ++at) {
        *at = static_cast<std::uint8_t>(*at ^ NextMask(cursor) ^ cursor.chain);
        cursor.chain = *at;
    }
}

void UnscrambleWords(ScrambleCursor& cursor, std::span<std::uint8_t> bytes) {
    std::uint8_t* at = bytes.data();
    std::size_t left = bytes.size();
    if (left >= kWordBytes) {
        MaskLanes masks(cursor.state);
        std::uint64_t chain = cursor.chain;
        for (; left >= kWordBytes; left -= kWordBytes, at += kWordBytes) {
            const std::uint64_t stored = LoadWord(at);
            StoreWord(at, stored ^ (stored << 8 | chain) ^ masks.next(cursor.state));
            chain = stored >> 56;
        }
        cursor.chain = static_cast<std::uint8_t>(chain);
    }
    for (; left > 0; --left, ++at) {
        const std::uint8_t stored = *at;
        *at = static_cast<std::uint8_t>(stored ^ cursor.chain ^ NextMask(cursor));
        cursor.chain = stored;
    }
}
