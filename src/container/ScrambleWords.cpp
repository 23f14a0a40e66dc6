#include "container/ScrambleWords.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

namespace {

constexpr std::size_t kWordBytes = 8;
constexpr std::size_t kBlockBytes = 64;
constexpr std::uint64_t kEveryByte = 0x0101010101010101u;

// Byte i of the word is the byte at address i, whatever the host's byte order.
std::uint64_t InAddressOrder(std::uint64_t word) {
    if constexpr (std::endian::native == std::endian::big) {
        return __builtin_bswap64(word);
    }
    return word;
}

std::uint64_t LoadWord(const std::uint8_t* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return InAddressOrder(word);
}

void StoreWord(std::uint8_t* bytes, std::uint64_t word) {
    word = InAddressOrder(word);
    std::memcpy(bytes, &word, sizeof word);
}

// The generator states of the next sixteen bytes, lane i for byte i; plain
// loops over the lanes, which compilers turn into vector code where they can.
class MaskLanes {
public:
    static constexpr std::size_t kLanes = 16;

    explicit MaskLanes(std::uint32_t state) {
        for (std::uint32_t& lane : lanes_) {
            state = kScrambleStep(state);
            lane = state;
        }
    }

    // The next 64 mask bytes; `last` becomes the last state used.
    void next(std::uint8_t (&masks)[kBlockBytes], std::uint32_t& last) {
        // A local copy: byte stores could alias the members and keep them in memory.
        std::uint32_t lanes[kLanes];
        std::copy(std::begin(lanes_), std::end(lanes_), lanes);
        for (std::size_t group = 0; group < kBlockBytes; group += kLanes) {
            for (std::size_t i = 0; i < kLanes; ++i) {
                masks[group + i] = ScrambleMask(lanes[i]);
                lanes[i] = kLanesJump(lanes[i]);
            }
        }
        std::copy(std::begin(lanes), std::end(lanes), lanes_);
        last = kLastJump(lanes[kLanes - 1]);
    }

private:
    static constexpr LcgJump kLanesJump = ScrambleJump(kLanes);
    // Undoes one jump of a lane: from the last lane back to the last byte done.
    static constexpr LcgJump kLastJump = ScrambleJump((std::uint64_t{1} << 32) - kLanes);
    std::uint32_t lanes_[kLanes];
};

std::uint8_t NextMask(ScrambleCursor& cursor) {
    cursor.state = kScrambleStep(cursor.state);
    return ScrambleMask(cursor.state);
}

// Each stored byte XORs in all plain-and-mask bytes before it: a prefix XOR
// within the word, plus the chain carried from the word before.
std::uint64_t ScrambleWord(std::uint64_t word, std::uint64_t& chain) {
    word ^= word << 8;
    word ^= word << 16;
    word ^= word << 32;
    word ^= chain * kEveryByte;
    chain = word >> 56;
    return word;
}

std::uint64_t UnscrambleWord(std::uint64_t stored, std::uint64_t& chain) {
    const std::uint64_t previous = stored << 8 | chain;
    chain = stored >> 56;
    return stored ^ previous;
}

template <typename Word, typename Byte>
void RunKernel(ScrambleCursor& cursor, std::span<std::uint8_t> bytes, Word word, Byte byte) {
    std::uint8_t* at = bytes.data();
    std::size_t left = bytes.size();
    if (left >= kBlockBytes) {
        MaskLanes lanes(cursor.state);
        std::uint64_t chain = cursor.chain;
        std::uint8_t masks[kBlockBytes];
        for (; left >= kBlockBytes; left -= kBlockBytes, at += kBlockBytes) {
            lanes.next(masks, cursor.state);
            for (std::size_t i = 0; i < kBlockBytes; i += kWordBytes) {
                StoreWord(at + i, word(LoadWord(at + i), LoadWord(masks + i), chain));
            }
        }
        cursor.chain = static_cast<std::uint8_t>(chain);
    }
    for (; left > 0; --left, ++at) {
        byte(*at, NextMask(cursor), cursor.chain);
    }
}

} // namespace

void ScrambleWords(ScrambleCursor& cursor, std::span<std::uint8_t> bytes) {
    RunKernel(
        cursor, bytes,
        [](std::uint64_t plain, std::uint64_t masks, std::uint64_t& chain) {
            return ScrambleWord(plain ^ masks, chain);
        },
        [](std::uint8_t& byte, std::uint8_t mask, std::uint8_t& chain) {
            byte = static_cast<std::uint8_t>(byte ^ mask ^ chain);
            chain = byte;
        });
}

void UnscrambleWords(ScrambleCursor& cursor, std::span<std::uint8_t> bytes) {
    RunKernel(
        cursor, bytes,
        [](std::uint64_t stored, std::uint64_t masks, std::uint64_t& chain) {
            return UnscrambleWord(stored, chain) ^ masks;
        },
        [](std::uint8_t& byte, std::uint8_t mask, std::uint8_t& chain) {
            const std::uint8_t stored = byte;
            byte = static_cast<std::uint8_t>(stored ^ chain ^ mask);
            chain = stored;
        });
}
