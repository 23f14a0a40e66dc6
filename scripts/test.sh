#!/usr/bin/env bash
# Builds and runs every test: the plain build (its benchmarks are built so they
# keep compiling, not run), the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQMX_BUILD_BENCH=ON
ctest --test-dir build --output-on-failure -j2

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQMX_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2

if [ -x fuzz/run.sh ]; then
  fuzz/run.sh
fi
echo "All tests passed."
