#include "platform/CpuFeatures.h"

#include <cstdlib>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace {

#if defined(__x86_64__) || defined(__i386__)
struct CpuidLeaf {
    unsigned a = 0, b = 0, c = 0, d = 0;
};

CpuidLeaf Cpuid(unsigned leaf, unsigned subleaf) {
    CpuidLeaf r;
    if (__get_cpuid_count(leaf, subleaf, &r.a, &r.b, &r.c, &r.d) == 0) {
        return {};
    }
    return r;
}

// The operating system must save the vector registers the paths use.
bool OsSavesAvxState() {
    unsigned eax = 0, edx = 0;
    __asm__("xgetbv" : "=a"(eax), "=d"(edx) : "c"(0));
    return (eax & 0x6u) == 0x6u;
}

CpuFeatures Detect() {
    CpuFeatures f;
    const CpuidLeaf one = Cpuid(1, 0);
    const CpuidLeaf seven = Cpuid(7, 0);
    const bool sse41 = (one.c & (1u << 19)) != 0;
    const bool osxsave = (one.c & (1u << 27)) != 0;
    const bool avx = (one.c & (1u << 28)) != 0 && osxsave && OsSavesAvxState();
    f.aesni = sse41 && (one.c & (1u << 25)) != 0;
    f.avx2 = avx && (seven.b & (1u << 5)) != 0;
    f.vaes = f.aesni && f.avx2 && (seven.c & (1u << 9)) != 0;
    f.shani = sse41 && (seven.b & (1u << 29)) != 0;
    return f;
}
#else
CpuFeatures Detect() {
    return {};
}
#endif

[[maybe_unused]] bool EnvironmentForcesPortable() {
    const char* value = std::getenv("QMX_PORTABLE");
    return value != nullptr && *value != '\0' && std::strcmp(value, "0") != 0;
}

} // namespace

const CpuFeatures& ProcessorFeatures() {
    static const CpuFeatures features = Detect();
    return features;
}

bool PortablePathsForced() {
#ifdef QMX_PORTABLE_ONLY
    return true;
#else
    static const bool forced = EnvironmentForcesPortable();
    return forced;
#endif
}

const CpuFeatures& UsableCpuFeatures() {
    static const CpuFeatures usable = PortablePathsForced() ? CpuFeatures{} : ProcessorFeatures();
    return usable;
}
