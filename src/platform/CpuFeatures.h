#pragma once
// Which instruction-set extensions the fast crypto paths may use: what the
// processor reports, unless the build (QMX_PORTABLE_ONLY) or the environment
// (QMX_PORTABLE=1) forces the portable code. Read once per process.

struct CpuFeatures {
    bool aesni = false; // AES-NI with SSE4.1
    bool vaes = false;  // VAES on 256-bit vectors with AVX2
    bool shani = false; // SHA extensions with SSE4.1
    bool avx2 = false;
};

// What the processor has, whatever is forced.
const CpuFeatures& ProcessorFeatures();

// What the fast paths may use: ProcessorFeatures() less anything forced off.
const CpuFeatures& UsableCpuFeatures();

// True when the portable paths are forced by the build or the environment.
bool PortablePathsForced();
