#include "RepairDigests.h"

#include "container/Armour.h"
#include "container/Base64.h"
#include "container/FileHeader.h"
#include "container/KeyBlock.h"
#include "container/LittleEndian.h"
#include "container/ScrambleState.h"
#include "crypto/Sha1Context.h"

#include <algorithm>

namespace {

using KeyBlockSpan = std::span<std::uint8_t, kKeyBlockSize>;

// Straight from the digest's definition rather than the readers' helpers, so
// that a slip in those shows.
class Digest {
public:
    Digest() { Sha1Init(context_); }
    Digest& add(std::span<const std::uint8_t> bytes) {
        Sha1Update(context_, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        return *this;
    }
    Digest& add(std::string_view text) {
        return add({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    }
    Sha1Digest finish() {
        const std::uint8_t* digest = Sha1Final(context_);
        Sha1Digest result{};
        std::copy(digest, digest + result.size(), result.begin());
        return result;
    }

private:
    Sha1Context context_{};
};

constexpr std::size_t kMessageBodyOffset = 213;
constexpr std::size_t kMessageBodyBase64Offset = kMessageBodyOffset / 3 * 4;

bool HasPassword(KeyBlockSpan keyBlock) {
    return (GetU32(keyBlock, KeyBlockOffset::flags) & FLAG_PASSWORD) != 0;
}

} // namespace

std::optional<RepairedContainer> RepairContainer(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFileHeaderSize + kKeyBlockSize) {
        return std::nullopt;
    }
    RepairedContainer repaired{{bytes.begin(), bytes.end()}, false};
    std::vector<std::uint8_t>& out = repaired.bytes;
    const std::span<std::uint8_t> header(out.data(), kFileHeaderSize);
    const auto headerRegion = header.subspan(kFileHeaderScrambledOffset);
    const KeyBlockSpan keyBlock(out.data() + kFileHeaderSize, kKeyBlockSize);
    std::vector<std::uint8_t> body(out.begin() + kFileHeaderSize + kKeyBlockSize, out.end());

    ScrambleState().unscramble(headerRegion);
    ScrambleState().unscramble(keyBlock);
    ScrambleState().unscramble(body);

    SetU32(header, FileHeaderOffset::totalLength,
           static_cast<std::uint32_t>(out.size() - kFileHeaderSize));
    StoreDigest(keyBlock, KeyBlockOffset::keyBlockDigest,
                Digest().add(keyBlock.first(kFileKeyBlockDigestLength)).finish());
    const std::uint32_t originalSize = GetU32(keyBlock, KeyBlockOffset::originalSize);
    const std::size_t digested = std::min<std::size_t>(originalSize, body.size());
    StoreDigest(keyBlock, KeyBlockOffset::bodyDigest,
                Digest().add(std::span(body).first(digested)).finish());
    const Sha1Digest containerDigest = Digest().add(keyBlock).add(body).finish();
    std::copy(containerDigest.begin(), containerDigest.end(),
              header.begin() + FileHeaderOffset::containerDigest);

    repaired.intact = HasFileMagic(std::span<const std::uint8_t, kFileHeaderSize>(header)) &&
                      HasPassword(keyBlock) && originalSize == body.size();
    ScrambleState().scramble(keyBlock);
    ScrambleState().scramble(headerRegion);
    return repaired;
}

std::optional<RepairedMessage> RepairMessage(std::string_view text) {
    std::string filtered;
    if (FindArmour(text, filtered) != RC_OK) {
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> payload = Base64Decode(filtered);
    if (!payload || payload->size() < kKeyBlockSize) {
        return std::nullopt;
    }
    const KeyBlockSpan keyBlock(payload->data(), kKeyBlockSize);
    ScrambleState().unscramble(keyBlock);
    StoreDigest(keyBlock, KeyBlockOffset::keyBlockDigest,
                Digest().add(keyBlock.first(kMessageKeyBlockDigestLength)).finish());

    // The body's base64 starts on a group boundary, so the key block's bytes
    // do not change it.
    const std::string base64 = Base64Encode(*payload, false);
    const std::uint64_t originalSize = GetU32(keyBlock, KeyBlockOffset::originalSize);
    const std::uint64_t digested = (originalSize + 2) / 3 * 4 - 1;
    if (originalSize != 0 && kMessageBodyBase64Offset + digested <= base64.size()) {
        StoreDigest(keyBlock, KeyBlockOffset::bodyDigest,
                    Digest()
                        .add(std::string_view(base64).substr(kMessageBodyBase64Offset,
                                                             static_cast<std::size_t>(digested)))
                        .finish());
    }
    const bool intact = HasPassword(keyBlock) && originalSize != 0 &&
                        payload->size() == kMessageBodyOffset + originalSize;
    ScrambleState().scramble(keyBlock);
    return RepairedMessage{WriteArmour("Repaired for the fuzzer.", *payload), intact};
}
