#include "crypto/HashModule.h"
#include "crypto/SHA.h"
#include "crypto/SHA256.h"
#include "crypto/hash_vectors.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/mman.h>

namespace {

struct Algorithm {
    const char* name;
    std::uint32_t digestLength;
    std::unique_ptr<Ferrik_IteratedHash<unsigned long>> (*make)();
    const char* HashVector::*expected;
};

const Algorithm kAlgorithms[] = {
    {"SHA", 20, [] { return std::unique_ptr<Ferrik_IteratedHash<unsigned long>>(new SHA); },
     &HashVector::sha1},
    {"SHA256", 32, [] { return std::unique_ptr<Ferrik_IteratedHash<unsigned long>>(new SHA256); },
     &HashVector::sha256},
};

std::string FinalHex(Ferrik_HashModule& hash) {
    std::vector<std::uint8_t> digest(hash.DigestLength());
    hash.Final(digest.data());
    return ToHex(digest.data(), digest.size());
}

class HashClass : public testing::TestWithParam<Algorithm> {
protected:
    std::unique_ptr<Ferrik_IteratedHash<unsigned long>> hash_ = GetParam().make();

    std::string Expected(std::string_view text, std::uint32_t length) const {
        for (const HashVector& vector : kHashVectors) {
            if (vector.text == text && vector.length == length) {
                return vector.*GetParam().expected;
            }
        }
        ADD_FAILURE() << "no vector for the given message";
        return {};
    }
};

INSTANTIATE_TEST_SUITE_P(, HashClass, testing::ValuesIn(kAlgorithms),
                         [](const testing::TestParamInfo<Algorithm>& row) {
                             return std::string(row.param.name);
                         });

TEST_P(HashClass, KnownDigestsThroughTheInterface) {
    Ferrik_HashModule& module = *hash_;
    EXPECT_EQ(module.DigestLength(), GetParam().digestLength);
    for (const HashVector& vector : kHashVectors) {
        SCOPED_TRACE(std::string(vector.source) + ", length " + std::to_string(vector.length));
        const std::vector<std::uint8_t> message = MessageOf(vector);
        std::vector<std::uint8_t> digest(module.DigestLength());
        module.ComputeDigest(digest.data(), message.data(), SizeOf(message));
        EXPECT_EQ(ToHex(digest.data(), digest.size()), vector.*GetParam().expected);
    }
}

// Three pieces split at every i <= j, so pieces of 0, 1..63, 64 and more bytes
// start and end at every block offset.
TEST_P(HashClass, EverySplitInThreeMatchesOneCall) {
    const std::vector<std::uint8_t> message = PatternBytes(150);
    hash_->Update(message.data(), SizeOf(message));
    const std::string expected = FinalHex(*hash_);
    for (std::uint32_t i = 0; i <= message.size(); ++i) {
        for (std::uint32_t j = i; j <= message.size(); ++j) {
            hash_->Update(message.data(), i);
            hash_->Update(message.data() + i, j - i);
            hash_->Update(message.data() + j, SizeOf(message) - j);
            ASSERT_EQ(FinalHex(*hash_), expected) << "split at " << i << ", " << j;
        }
    }
}

// Offsets 1..3 send whole blocks through the staging copy; a leading odd piece
// misaligns the blocks that follow it.
TEST_P(HashClass, UnalignedInputGivesTheSameDigest) {
    const std::vector<std::uint8_t> message = PatternBytes(1000);
    const std::string expected = Expected("", 1000);
    for (std::uint32_t offset = 0; offset < 4; ++offset) {
        alignas(4) std::uint8_t shifted[1004];
        std::memcpy(shifted + offset, message.data(), message.size());
        hash_->Update(shifted + offset, SizeOf(message));
        EXPECT_EQ(FinalHex(*hash_), expected) << "offset " << offset;

        hash_->Update(shifted + offset, 3);
        hash_->Update(shifted + offset + 3, SizeOf(message) - 3);
        EXPECT_EQ(FinalHex(*hash_), expected) << "offset " << offset << " after 3 bytes";
    }
}

TEST_P(HashClass, FinalLeavesTheObjectReadyForAnotherMessage) {
    const std::vector<std::uint8_t> first = BytesOf("abc");
    const std::vector<std::uint8_t> second = BytesOf(kTwoBlockText);
    hash_->Update(first.data(), SizeOf(first));
    EXPECT_EQ(FinalHex(*hash_), Expected("abc", 3));
    hash_->Update(second.data(), SizeOf(second));
    EXPECT_EQ(FinalHex(*hash_), Expected(kTwoBlockText, 56));
    EXPECT_EQ(FinalHex(*hash_), Expected("", 0));
}

TEST_P(HashClass, ResetStateAbandonsAPartialMessage) {
    const std::vector<std::uint8_t> junk = PatternBytes(100);
    const std::vector<std::uint8_t> message = BytesOf("abc");
    hash_->Update(junk.data(), SizeOf(junk));
    hash_->ResetState();
    hash_->Update(message.data(), SizeOf(message));
    EXPECT_EQ(FinalHex(*hash_), Expected("abc", 3));
}

TEST_P(HashClass, CheckDigestAcceptsOnlyTheExactDigestAndResets) {
    const std::vector<std::uint8_t> message = BytesOf("abc");
    hash_->Update(message.data(), SizeOf(message));
    std::vector<std::uint8_t> digest(hash_->DigestLength());
    hash_->Final(digest.data());

    hash_->Update(message.data(), SizeOf(message));
    EXPECT_TRUE(hash_->CheckDigest(digest.data()));
    EXPECT_EQ(FinalHex(*hash_), Expected("", 0)) << "not reset after a match";

    for (std::size_t i = 0; i < digest.size(); ++i) {
        for (const unsigned flip : {0x01u, 0x80u}) {
            std::vector<std::uint8_t> wrong = digest;
            wrong[i] = static_cast<std::uint8_t>(wrong[i] ^ flip);
            hash_->Update(message.data(), SizeOf(message));
            EXPECT_FALSE(hash_->CheckDigest(wrong.data())) << "byte " << i;
            EXPECT_EQ(FinalHex(*hash_), Expected("", 0)) << "not reset after a mismatch";
        }
    }
}

// Exposes the bit count; compresses nothing, so huge inputs cost no time.
class BitCountProbe final : public Ferrik_IteratedHash<unsigned long> {
public:
    BitCountProbe(std::uint32_t high, std::uint32_t low) : Ferrik_IteratedHash(4) {
        m_bitCountHigh = high;
        m_bitCountLow = low;
    }
    void Final(std::uint8_t*) override {}
    std::uint32_t DigestLength() const override { return 4; }
    void ResetState() override {}
    std::uint32_t High() const { return m_bitCountHigh; }
    std::uint32_t Low() const { return m_bitCountLow; }

protected:
    void CompressBlock(const std::uint8_t*) override {}
};

TEST(IteratedHash, BitCountCarriesIntoTheHighWord) {
    constexpr std::uint32_t kHuge = 1u << 29; // 2^32 bits
    const std::size_t mapped = std::size_t{kHuge} + 64;
    void* zeros =
        mmap(nullptr, mapped, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(zeros, MAP_FAILED);
    const auto* data = static_cast<const std::uint8_t*>(zeros);

    struct Case {
        std::uint32_t high, low, length;
        std::uint32_t newHigh, newLow;
    };
    const Case cases[] = {
        {0, 0xFFFFFF00, 16, 0, 0xFFFFFF80}, {0, 0xFFFFFF00, 32, 1, 0},
        {0, 0xFFFFFF00, 40, 1, 0x40},       {0, 0, kHuge, 1, 0},
        {2, 0x100, kHuge + 3, 3, 0x118},    {0, 0xFFFFFF00, kHuge + 32, 2, 0},
    };
    for (const Case& c : cases) {
        BitCountProbe probe(c.high, c.low);
        probe.Update(data, c.length);
        EXPECT_EQ(probe.High(), c.newHigh) << "length " << c.length;
        EXPECT_EQ(probe.Low(), c.newLow) << "length " << c.length;
    }
    munmap(zeros, mapped);
}

// The two calls the password key is derived with: SHA-256 over a SHA-1 digest.
TEST(HashClasses, ChainedAsForThePasswordKey) {
    const std::vector<std::uint8_t> password = BytesOf("abc");
    std::uint8_t out20[20];
    std::uint8_t out32[32];
    SHA sha;
    sha.Update(password.data(), SizeOf(password));
    sha.Final(out20);
    SHA256 s2;
    s2.Update(out20, 20);
    s2.Final(out32);
    // python: hashlib.sha256(hashlib.sha1(b"abc").digest()).hexdigest()
    EXPECT_EQ(ToHex(out32, 32), "2c8e065d764096572cda7bd0923710a18e1b2985bf1b918b6fe0c0a21aa7f8b9");
}

} // namespace
