#include "container/OpenMessage.h"

#include "container/Armour.h"
#include "container/Base64.h"
#include "container/KeyBlock.h"
#include "container/LittleEndian.h"
#include "container/MessageLayout.h"
#include "container/PasswordVerifier.h"
#include "container/ScrambleState.h"
#include "container/Sha1OfBytes.h"
#include "crypto/Keystream.h"
#include "crypto/WipedBuffer.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

using KeyBlockSpan = std::span<std::uint8_t, kKeyBlockSize>;
using PasswordKeySpan = std::span<std::uint8_t, 32>;

// The payload ends up holding the plain text and the plain verifier.
class WipedOnExit {
public:
    explicit WipedOnExit(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    ~WipedOnExit() { WipeMemory(bytes_.data(), bytes_.size()); }
    WipedOnExit(const WipedOnExit&) = delete;
    WipedOnExit& operator=(const WipedOnExit&) = delete;

private:
    std::vector<std::uint8_t>& bytes_;
};

bool BodyDigestMatches(KeyBlockSpan keyBlock, std::string_view filtered) {
    const std::uint32_t originalSize = GetU32(keyBlock, KeyBlockOffset::originalSize);
    const auto range = MessageBodyDigestRange(filtered.size(), originalSize);
    return range && StoredDigestMatches(keyBlock, KeyBlockOffset::bodyDigest,
                                        Sha1OfBytes(filtered.substr(range->offset, range->length)));
}

// Everything that can be known damaged without the password.
ResultCode CheckIntact(std::span<const std::uint8_t> payload, KeyBlockSpan keyBlock,
                       std::string_view filtered) {
    if (!StoredDigestMatches(keyBlock, KeyBlockOffset::keyBlockDigest,
                             MessageKeyBlockDigest(keyBlock))) {
        return RC_CORRUPT;
    }
    if ((GetU32(keyBlock, KeyBlockOffset::flags) & FLAG_PASSWORD) == 0) {
        return RC_KEY_PROTECTED;
    }
    const std::uint32_t originalSize = GetU32(keyBlock, KeyBlockOffset::originalSize);
    if (originalSize == 0 || payload.size() - kMessageBodyOffset != originalSize) {
        return RC_CORRUPT;
    }
    return BodyDigestMatches(keyBlock, filtered) ? RC_OK : RC_CORRUPT;
}

ResultCode Decipher(std::span<std::uint8_t> payload, KeyBlockSpan keyBlock,
                    std::span<const std::uint8_t> password, PasswordKeySpan key) {
    if (DerivePasswordKey(password, key) != 0) {
        return RC_FAILED;
    }
    if (const ResultCode result = CheckVerifier(keyBlock, key); result != RC_OK) {
        return result;
    }
    const auto iv =
        std::span<const std::uint8_t, kKeyBlockSize>(keyBlock).subspan<KeyBlockOffset::nonce, 16>();
    return ApplyKeystreamChunked(iv, key.first<24>(), payload.subspan(kMessageBodyOffset), 0) == 0
               ? RC_OK
               : RC_FAILED;
}

// Writes `opened` only once every test has passed.
ResultCode OpenPayload(std::vector<std::uint8_t>& payload, std::string_view filtered,
                       std::span<const std::uint8_t> password, OpenedMessage& opened) {
    if (payload.size() < kMessageBodyOffset) {
        return RC_CORRUPT;
    }
    const KeyBlockSpan keyBlock(payload.data(), kKeyBlockSize);
    ScrambleState().unscramble(keyBlock);
    if (const ResultCode result = CheckIntact(payload, keyBlock, filtered); result != RC_OK) {
        return result;
    }
    WipedBuffer<std::uint8_t> passwordKey(32);
    if (const ResultCode result =
            Decipher(payload, keyBlock, password, PasswordKeySpan(passwordKey.data(), 32));
        result != RC_OK) {
        return result;
    }
    const auto body = std::span<const std::uint8_t>(payload).subspan(kMessageBodyOffset);
    const auto end = std::ranges::find(body, std::uint8_t{0});
    opened.text.assign(body.begin(), end);
    opened.forceViewer = (GetU32(keyBlock, KeyBlockOffset::flags) & FLAG_FORCE_VIEWER) != 0;
    return RC_OK;
}

} // namespace

ResultCode OpenMessage(std::string_view text, std::span<const std::uint8_t> password,
                       OpenedMessage& opened) {
    try {
        std::string filtered;
        if (const ResultCode result = FindArmour(text, filtered); result != RC_OK) {
            return result;
        }
        std::optional<std::vector<std::uint8_t>> payload = Base64Decode(filtered);
        if (!payload) {
            return RC_CORRUPT;
        }
        const WipedOnExit wipe(*payload);
        return OpenPayload(*payload, filtered, password, opened);
    } catch (const std::bad_alloc&) {
        return RC_NO_MEMORY;
    }
}
