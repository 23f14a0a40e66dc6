#include "container/ScrambleState.h"

#include "container/ScrambleAvx2.h"
#include "container/ScrambleWords.h"
#include "platform/CpuFeatures.h"

namespace {

ScrambleKernel Choose(ScrambleKernel fast, ScrambleKernel portable) {
    return UsableCpuFeatures().avx2 && fast != nullptr ? fast : portable;
}

} // namespace

void ScrambleState::begin() {
    cursor_ = kScrambleRegionStart;
}

void ScrambleState::scramble(std::span<std::uint8_t> bytes) {
    static const ScrambleKernel kernel = Choose(ScrambleAvx2(), &ScrambleWords);
    kernel(cursor_, bytes);
}

void ScrambleState::unscramble(std::span<std::uint8_t> bytes) {
    static const ScrambleKernel kernel = Choose(UnscrambleAvx2(), &UnscrambleWords);
    kernel(cursor_, bytes);
}
