#include "crypto/Sha1Context.h"
#include "crypto/hash_vectors.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string DigestHex(Sha1Context& context) {
    return ToHex(Sha1Final(context), 20);
}

std::string OneShot(const std::vector<std::uint8_t>& message) {
    Sha1Context context;
    Sha1Init(context);
    Sha1Update(context, message.data(), SizeOf(message));
    return DigestHex(context);
}

TEST(Sha1Context, KnownDigestsInOneCall) {
    for (const HashVector& vector : kHashVectors) {
        SCOPED_TRACE(std::string(vector.source) + ", length " + std::to_string(vector.length));
        EXPECT_EQ(OneShot(MessageOf(vector)), vector.sha1);
    }
}

TEST(Sha1Context, KnownDigestsOneByteAtATime) {
    for (const HashVector& vector : kHashVectors) {
        SCOPED_TRACE(std::string(vector.source) + ", length " + std::to_string(vector.length));
        const std::vector<std::uint8_t> message = MessageOf(vector);
        Sha1Context context;
        Sha1Init(context);
        for (const std::uint8_t& byte : message) {
            Sha1Update(context, &byte, 1);
        }
        EXPECT_EQ(DigestHex(context), vector.sha1);
    }
}

// Three pieces split at every i <= j, so pieces of 0, 1..63, 64 and more bytes
// start and end at every block offset.
TEST(Sha1Context, EverySplitInThreeMatchesOneCall) {
    const std::vector<std::uint8_t> message = PatternBytes(150);
    const std::string expected = OneShot(message);
    for (std::uint32_t i = 0; i <= message.size(); ++i) {
        for (std::uint32_t j = i; j <= message.size(); ++j) {
            Sha1Context context;
            Sha1Init(context);
            Sha1Update(context, message.data(), i);
            Sha1Update(context, message.data() + i, j - i);
            Sha1Update(context, message.data() + j, SizeOf(message) - j);
            ASSERT_EQ(DigestHex(context), expected) << "split at " << i << ", " << j;
        }
    }
}

TEST(Sha1Context, UnalignedInputGivesTheSameDigest) {
    const std::vector<std::uint8_t> message = PatternBytes(1000);
    const std::string expected = OneShot(message);
    for (std::uint32_t offset = 1; offset < 4; ++offset) {
        std::vector<std::uint8_t> shifted(offset + message.size());
        std::memcpy(shifted.data() + offset, message.data(), message.size());
        Sha1Context context;
        Sha1Init(context);
        Sha1Update(context, shifted.data() + offset, SizeOf(message));
        EXPECT_EQ(DigestHex(context), expected) << "offset " << offset;
    }
}

TEST(Sha1Context, FinalReturnsTheChainingValueFieldHoldingTheDigest) {
    Sha1Context context;
    Sha1Init(context);
    Sha1Update(context, reinterpret_cast<const std::uint8_t*>("abc"), 3);
    const std::uint8_t* digest = Sha1Final(context);
    EXPECT_EQ(digest, reinterpret_cast<const std::uint8_t*>(context.state));
    EXPECT_EQ(ToHex(reinterpret_cast<const std::uint8_t*>(context.state), 20),
              "a9993e364706816aba3e25717850c26c9cd0d89d");
}

// Callers may set up a context by hand instead of calling Sha1Init, with the
// block holding whatever was there before.
TEST(Sha1Context, HandInitialisedContextWithStaleBlockMatchesInit) {
    const std::vector<std::uint8_t> message = PatternBytes(100);
    for (const int stale : {0x00, 0xA5, 0xFF}) {
        Sha1Context context;
        std::memset(&context, stale, sizeof context);
        const std::uint32_t initial[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476,
                                          0xC3D2E1F0};
        std::memcpy(context.state, initial, sizeof initial);
        context.countHigh = 0;
        context.countLow = 0;
        Sha1Update(context, message.data(), SizeOf(message));
        EXPECT_EQ(DigestHex(context), "1e6634bfaebc0348298105923d0f26e47aa33ff5") // python hashlib
            << "stale byte " << stale;
    }
}

// Counts set as if about 2^31 or 2^32 bytes had been hashed already.
TEST(Sha1Context, ByteCountCarriesAndEndsAsTheBitLengthModulo2To64) {
    struct Case {
        std::uint32_t high, low; // before 32 more bytes
        std::uint32_t newHigh, newLow;
        std::uint32_t lengthHigh, lengthLow; // bit length words in the last block
    };
    const Case cases[] = {
        {0, 0x7FFFFFF0, 0, 0x80000010, 4, 0x80},
        {0, 0xFFFFFFF0, 1, 0x10, 8, 0x80},
        {0x1FFFFFFF, 0xFFFFFFF0, 0x20000000, 0x10, 0, 0x80},
    };
    const std::vector<std::uint8_t> message = PatternBytes(32);
    for (const Case& c : cases) {
        Sha1Context context{};
        Sha1Init(context);
        context.countHigh = c.high;
        context.countLow = c.low;
        Sha1Update(context, message.data(), SizeOf(message));
        EXPECT_EQ(context.countHigh, c.newHigh);
        EXPECT_EQ(context.countLow, c.newLow);

        static_cast<void>(Sha1Final(context));
        EXPECT_EQ(context.block[14], c.lengthHigh) << "low " << c.low;
        EXPECT_EQ(context.block[15], c.lengthLow) << "low " << c.low;
    }
}

} // namespace
