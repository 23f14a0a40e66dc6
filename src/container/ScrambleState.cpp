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

void ScrambleState::resume(std::uint64_t offset, std::uint8_t previousStored) {
    cursor_ = {ScrambleJump(offset)(kScrambleRegionStart.state), previousStored};
}

void ScrambleState::scramble(std::span<std::uint8_t> bytes) {
    static const ScrambleKernel kernel = Choose(ScrambleAvx2(), &ScrambleWords);
    kernel(cursor_, bytes);
}

void ScrambleState::unscramble(std::span<std::uint8_t> bytes) {
    static const ScrambleKernel kernel = Choose(UnscrambleAvx2(), &UnscrambleWords);
    kernel(cursor_, bytes);
}
