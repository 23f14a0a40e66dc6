#include "crypto/AES.h"

#include <array>
#include <cstddef>

namespace {

using ByteTable = std::array<std::uint8_t, 256>;
using WordTable = std::array<std::uint32_t, 256>;

// Multiplication by x in GF(2^8) modulo x^8 + x^4 + x^3 + x + 1.
constexpr std::uint8_t Xtime(std::uint8_t a) {
    return static_cast<std::uint8_t>((a << 1) ^ ((a & 0x80) != 0 ? 0x1B : 0x00));
}

constexpr std::uint8_t RotateLeft8(std::uint8_t a, int n) {
    return static_cast<std::uint8_t>((a << n) | (a >> (8 - n)));
}

// The powers of 3 run through all 255 nonzero elements, so the inverse of 3^k
// is 3^(255 - k); a table walk keeps this cheap enough for constant evaluation.
constexpr ByteTable MakeSbox() {
    ByteTable power{};
    ByteTable logarithm{};
    std::uint8_t p = 1;
    for (std::size_t k = 0; k < 255; ++k) {
        power[k] = p;
        logarithm[p] = static_cast<std::uint8_t>(k);
        p = static_cast<std::uint8_t>(p ^ Xtime(p));
    }
    ByteTable sbox{};
    for (std::size_t x = 0; x < sbox.size(); ++x) {
        const std::uint8_t b = x == 0 ? 0 : power[(255u - logarithm[x]) % 255u];
        sbox[x] = static_cast<std::uint8_t>(b ^ RotateLeft8(b, 1) ^ RotateLeft8(b, 2) ^
                                            RotateLeft8(b, 3) ^ RotateLeft8(b, 4) ^ 0x63);
    }
    return sbox;
}

constexpr ByteTable kSbox = MakeSbox();
static_assert(kSbox[0x00] == 0x63 && kSbox[0x53] == 0xED && kSbox[0xFF] == 0x16);

constexpr std::uint32_t RotateRight(std::uint32_t w, int n) {
    return (w >> n) | (w << (32 - n));
}

// Table r holds SubBytes and MixColumns for a byte in row r of a column:
// column (2s, s, s, 3s) rotated right by 8r bits.
constexpr WordTable MakeRoundTable(int row) {
    WordTable table{};
    for (std::size_t x = 0; x < table.size(); ++x) {
        const std::uint8_t s = kSbox[x];
        const std::uint8_t twice = Xtime(s);
        const std::uint32_t column = std::uint32_t{twice} << 24 | std::uint32_t{s} << 16 |
                                     std::uint32_t{s} << 8 | static_cast<std::uint8_t>(twice ^ s);
        table[x] = row == 0 ? column : RotateRight(column, 8 * row);
    }
    return table;
}

constexpr WordTable kTe0 = MakeRoundTable(0);
constexpr WordTable kTe1 = MakeRoundTable(1);
constexpr WordTable kTe2 = MakeRoundTable(2);
constexpr WordTable kTe3 = MakeRoundTable(3);

constexpr std::array<std::uint8_t, 9> kRcon = {0x00, 0x01, 0x02, 0x04, 0x08,
                                               0x10, 0x20, 0x40, 0x80};

std::uint32_t LoadBigEndian(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
           std::uint32_t{p[3]};
}

void StoreBigEndian(std::uint32_t w, std::uint8_t* p) {
    p[0] = static_cast<std::uint8_t>(w >> 24);
    p[1] = static_cast<std::uint8_t>(w >> 16);
    p[2] = static_cast<std::uint8_t>(w >> 8);
    p[3] = static_cast<std::uint8_t>(w);
}

constexpr std::uint8_t ByteOf(std::uint32_t w, int index) {
    return static_cast<std::uint8_t>(w >> (24 - 8 * index));
}

std::uint32_t SubWord(std::uint32_t w) {
    return std::uint32_t{kSbox[ByteOf(w, 0)]} << 24 | std::uint32_t{kSbox[ByteOf(w, 1)]} << 16 |
           std::uint32_t{kSbox[ByteOf(w, 2)]} << 8 | std::uint32_t{kSbox[ByteOf(w, 3)]};
}

// One full round for output column c: ShiftRows takes row r from column c + r.
std::uint32_t RoundColumn(const std::array<std::uint32_t, 4>& s, std::size_t c) {
    return kTe0[ByteOf(s[c], 0)] ^ kTe1[ByteOf(s[(c + 1) % 4], 1)] ^
           kTe2[ByteOf(s[(c + 2) % 4], 2)] ^ kTe3[ByteOf(s[(c + 3) % 4], 3)];
}

// The last round has no MixColumns.
std::uint32_t FinalColumn(const std::array<std::uint32_t, 4>& s, std::size_t c) {
    return std::uint32_t{kSbox[ByteOf(s[c], 0)]} << 24 |
           std::uint32_t{kSbox[ByteOf(s[(c + 1) % 4], 1)]} << 16 |
           std::uint32_t{kSbox[ByteOf(s[(c + 2) % 4], 2)]} << 8 |
           std::uint32_t{kSbox[ByteOf(s[(c + 3) % 4], 3)]};
}

} // namespace

AES::AES(std::span<const std::uint8_t, kKeyBytes> key)
    : m_keyWords(kKeyBytes / 4), m_roundKeys(kRoundKeyWords) {
    ExpandKey(key);
}

void AES::ExpandKey(std::span<const std::uint8_t, kKeyBytes> key) {
    std::uint32_t* w = m_roundKeys.data();
    for (std::uint32_t i = 0; i < m_keyWords; ++i) {
        w[i] = LoadBigEndian(key.data() + 4 * i);
    }
    for (std::uint32_t i = m_keyWords; i < kRoundKeyWords; ++i) {
        std::uint32_t temp = w[i - 1];
        if (i % m_keyWords == 0) {
            temp = SubWord(RotateRight(temp, 24)) ^ std::uint32_t{kRcon[i / m_keyWords]} << 24;
        }
        w[i] = w[i - m_keyWords] ^ temp;
    }
}

void AESEncryption::TransformBlock(const std::uint8_t* input, std::uint8_t* output) const {
    const std::uint32_t* roundKey = m_roundKeys.data();
    std::array<std::uint32_t, 4> state{};
    for (std::size_t c = 0; c < 4; ++c) {
        state[c] = LoadBigEndian(input + 4 * c) ^ roundKey[c];
    }
    for (std::uint32_t round = 1; round < kRounds; ++round) {
        roundKey += 4;
        std::array<std::uint32_t, 4> next{};
        for (std::size_t c = 0; c < 4; ++c) {
            next[c] = RoundColumn(state, c) ^ roundKey[c];
        }
        state = next;
    }
    roundKey += 4;
    std::array<std::uint32_t, 4> last{};
    for (std::size_t c = 0; c < 4; ++c) {
        last[c] = FinalColumn(state, c) ^ roundKey[c];
    }
    for (std::size_t c = 0; c < 4; ++c) {
        StoreBigEndian(last[c], output + 4 * c);
    }
}

void AESEncryption::TransformBlockInPlace(std::uint8_t* block) const {
    TransformBlock(block, block);
}
