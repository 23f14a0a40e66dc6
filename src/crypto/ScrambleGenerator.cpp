#include "crypto/ScrambleGenerator.h"

ScrambleGenerator& ThreadScrambleGenerator() {
    thread_local ScrambleGenerator generator;
    return generator;
}
