#include "container/SealMessage.h"

#include "container/Armour.h"
#include "container/Base64.h"
#include "container/KeyBlock.h"
#include "container/MessageLayout.h"
#include "container/PasswordVerifier.h"
#include "container/ScrambleState.h"
#include "crypto/Keystream.h"
#include "crypto/RandomSources.h"
#include "crypto/Sha1Context.h"
#include "crypto/WipedBuffer.h"
#include "platform/RandomProvider.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <new>

namespace {

using KeyBlockSpan = std::span<std::uint8_t, kKeyBlockSize>;
using PasswordKeySpan = std::span<std::uint8_t, 32>;

constexpr std::size_t kFillerRounds = 20;

ResultCode DrawFillerRounds(RandomProvider& provider, RandomContext context,
                            KeyBlockSpan keyBlock) {
    std::array<std::uint8_t, 5> draw{};
    ResultCode result = RC_OK;
    for (std::size_t round = 0; round < kFillerRounds; ++round) {
        if (provider.generate(context, draw) != 0) {
            result = RC_FAILED;
            break;
        }
        StoreFillerStep(keyBlock, round, draw);
    }
    WipeMemory(draw.data(), draw.size());
    return result;
}

// Never falls back to a weaker source: see the header.
ResultCode FillFromStrongSource(KeyBlockSpan keyBlock) {
    RandomProvider& provider = CurrentRandomProvider();
    RandomContext context = 0;
    if (provider.acquire({}, CRYPT_VERIFYCONTEXT, context) != 0) {
        return RC_FAILED;
    }
    const ResultCode result = DrawFillerRounds(provider, context, keyBlock);
    provider.release(context);
    return result;
}

std::span<const std::uint8_t, 16> NonceIv(KeyBlockSpan keyBlock) {
    return keyBlock.subspan<KeyBlockOffset::nonce, 16>();
}

ResultCode BuildKeyBlock(KeyBlockSpan keyBlock, std::uint32_t textLength, bool forceViewer,
                         std::span<const std::uint8_t> password, PasswordKeySpan key) {
    StartKeyBlock(keyBlock, textLength,
                  forceViewer ? FLAG_PASSWORD | FLAG_FORCE_VIEWER : FLAG_PASSWORD);
    if (FillFromStrongSource(keyBlock) != RC_OK || DerivePasswordKey(password, key) != 0 ||
        GenerateNonce(keyBlock.subspan<KeyBlockOffset::nonce, kNonceSize>()) != 0 ||
        SealVerifier(keyBlock, key) != RC_OK) {
        return RC_FAILED;
    }
    StoreDigest(keyBlock, KeyBlockOffset::keyBlockDigest, MessageKeyBlockDigest(keyBlock));
    return RC_OK;
}

// The body digest covers the body's base64 without its last character. The
// base64 is made and digested a slice of whole groups at a time, never whole.
Sha1Digest Base64BodyDigest(std::span<const std::uint8_t> body) {
    constexpr std::size_t kSliceBytes = 3 * 1024;
    std::array<char, Base64EncodedSize(kSliceBytes, false)> text{};
    Sha1Context context{};
    Sha1Init(context);
    for (std::size_t offset = 0; offset < body.size(); offset += kSliceBytes) {
        const auto slice = body.subspan(offset, std::min(kSliceBytes, body.size() - offset));
        const std::size_t size = Base64EncodedSize(slice.size(), false);
        Base64EncodeInto(slice, false, std::span(text).first(size));
        const bool last = offset + slice.size() == body.size();
        Sha1Update(context, reinterpret_cast<const std::uint8_t*>(text.data()),
                   static_cast<std::uint32_t>(size - (last ? 1 : 0)));
    }
    Sha1Digest digest;
    std::memcpy(digest.data(), Sha1Final(context), digest.size());
    return digest;
}

ResultCode EncipherBody(std::span<std::uint8_t> body, KeyBlockSpan keyBlock, PasswordKeySpan key) {
    if (ApplyKeystreamChunked(NonceIv(keyBlock), key.first<24>(), body, 0) != 0) {
        return RC_FAILED;
    }
    StoreDigest(keyBlock, KeyBlockOffset::bodyDigest, Base64BodyDigest(body));
    return RC_OK;
}

ResultCode SealPayload(std::span<std::uint8_t> payload, std::string_view text,
                       std::span<const std::uint8_t> password, bool forceViewer,
                       PasswordKeySpan key) {
    const KeyBlockSpan keyBlock = payload.first<kKeyBlockSize>();
    const auto textLength = static_cast<std::uint32_t>(text.size());
    if (const ResultCode result = BuildKeyBlock(keyBlock, textLength, forceViewer, password, key);
        result != RC_OK) {
        return result;
    }
    payload[kKeyBlockSize] = 0;
    const std::span<std::uint8_t> body = payload.subspan(kMessageBodyOffset);
    std::ranges::copy(text, body.begin());
    if (const ResultCode result = EncipherBody(body, keyBlock, key); result != RC_OK) {
        return result;
    }
    ScrambleState().scramble(keyBlock);
    return RC_OK;
}

} // namespace

ResultCode SealMessage(std::string_view text, std::span<const std::uint8_t> password,
                       bool forceViewer, std::string_view comment, std::string& armour) {
    if (text.empty()) {
        armour.clear();
        return RC_OK;
    }
    if (text.size() > std::numeric_limits<std::uint32_t>::max() - kMessageBodyOffset) {
        return RC_FAILED;
    }
    try {
        WipedBuffer<std::uint8_t> passwordKey(32);
        WipedBuffer<std::uint8_t> payload(
            static_cast<std::uint32_t>(text.size() + kMessageBodyOffset));
        const ResultCode result =
            SealPayload(std::span(payload.data(), payload.size()), text, password, forceViewer,
                        PasswordKeySpan(passwordKey.data(), 32));
        if (result == RC_OK) {
            armour = WriteArmour(comment, std::span(payload.data(), payload.size()));
        }
        return result;
    } catch (const std::bad_alloc&) {
        return RC_NO_MEMORY;
    }
}
