#include "crypto/RandomNumberGenerator.h"

#include <bit>

std::uint32_t Ferrik_RandomNumberGenerator::NextBit() {
    return static_cast<std::uint32_t>(std::popcount(NextByte()) & 1);
}

std::uint32_t Ferrik_RandomNumberGenerator::NextInRange(std::uint32_t min, std::uint32_t max) {
    const std::uint32_t range = max - min;
    const auto bits = static_cast<std::uint32_t>(std::bit_width(range));
    const std::uint32_t bytes = (bits + 7) / 8;
    const std::uint32_t mask = bits < 32 ? (std::uint32_t{1} << bits) - 1 : ~std::uint32_t{0};
    std::uint32_t value = 0;
    do {
        value = 0;
        for (std::uint32_t i = 0; i < bytes; ++i) {
            value = value << 8 | NextByte();
        }
        value &= mask;
    } while (value > range);
    return min + value;
}

std::uint32_t Ferrik_RandomNumberGenerator::NextInRange16(std::uint16_t min, std::uint16_t max) {
    return NextInRange(min, max);
}

void Ferrik_RandomNumberGenerator::NextBlock(std::uint8_t* output, std::uint32_t length) {
    for (std::uint32_t i = 0; i < length; ++i) {
        output[i] = NextByte();
    }
}
