#include "crypto/Aes192Ctr.h"

#include "crypto/Aes192CtrImpl.h"
#include "platform/CpuFeatures.h"

bool Aes192CtrUsable(Aes192CtrPath path) {
    switch (path) {
    case Aes192CtrPath::kPortable:
        return true;
#ifdef QMX_AES192_CTR_X86
    case Aes192CtrPath::kAesNi:
        return UsableCpuFeatures().aesni;
    case Aes192CtrPath::kVaes:
        return UsableCpuFeatures().vaes;
#else
    case Aes192CtrPath::kAesNi:
    case Aes192CtrPath::kVaes:
        return false;
#endif
    }
    return false;
}

Aes192CtrPath Aes192CtrFastest() {
    for (const Aes192CtrPath path : {Aes192CtrPath::kVaes, Aes192CtrPath::kAesNi}) {
        if (Aes192CtrUsable(path)) {
            return path;
        }
    }
    return Aes192CtrPath::kPortable;
}

const char* Aes192CtrName(Aes192CtrPath path) {
    switch (path) {
    case Aes192CtrPath::kPortable:
        return "portable";
    case Aes192CtrPath::kAesNi:
        return "aesni";
    case Aes192CtrPath::kVaes:
        return "vaes";
    }
    return "unknown";
}

std::uint32_t Aes192CtrApply(Aes192CtrPath path, std::span<const std::uint8_t, 16> iv,
                             std::span<const std::uint8_t, 24> key, std::span<std::uint8_t> buffer,
                             std::uint32_t offset) {
    switch (Aes192CtrUsable(path) ? path : Aes192CtrPath::kPortable) {
#ifdef QMX_AES192_CTR_X86
    case Aes192CtrPath::kAesNi:
        Aes192CtrNiXor(iv, key, buffer, offset);
        return 0;
    case Aes192CtrPath::kVaes:
        Aes192CtrVaesXor(iv, key, buffer, offset);
        return 0;
#endif
    default:
        return Aes192CtrPortableXor(iv, key, buffer, offset);
    }
}
