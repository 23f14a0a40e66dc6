#pragma once
// A broken rule is a fault of the code under test, not of the input: say
// which, then stop, so that libFuzzer keeps the input and reports a crash.

#include <cstdio>
#include <cstdlib>

inline void Require(bool condition, const char* rule) {
    if (!condition) {
        std::fprintf(stderr, "Broken rule: %s\n", rule);
        std::abort();
    }
}
