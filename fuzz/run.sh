#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz and runs each for a
# bounded time on a scratch copy of its seed corpus. Fails on a crash, a
# timeout, a leak, running out of memory or any sanitizer report; the logs
# and the failing inputs then stay in build-fuzz/corpus-run/.
#   fuzz/run.sh [seconds per target, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
build=build-fuzz
targets=(message_reader container_reader)

CC=clang CXX=clang++ cmake -S fuzz -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2

scratch=$build/corpus-run
rm -rf "$scratch"
mkdir -p "$scratch"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=()
for name in "${targets[@]}"; do
  corpus=$scratch/$name
  artifacts=$scratch/$name-artifacts
  tmp=$scratch/$name-tmp
  log=$scratch/$name.log
  mkdir -p "$corpus" "$artifacts" "$tmp"
  cp fuzz/corpus/"${name%_reader}"/* "$corpus"/

  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192
           -print_final_stats=1 -artifact_prefix="$artifacts"/)
  [ -f fuzz/"$name".dict ] && options+=(-dict=fuzz/"$name".dict)

  echo "Fuzzing $name for ${seconds}s"
  status=0
  TMPDIR=$PWD/$tmp "$build/${name}_fuzz" "${options[@]}" "$corpus" </dev/null >"$log" 2>&1 ||
    status=$?

  # Exit status alone would miss a report that did not end the run.
  if [ "$status" -ne 0 ] ||
     grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error:|SUMMARY: |Broken rule:' "$log" ||
     [ -n "$(ls -A "$artifacts")" ]; then
    echo "FAILED: $name (exit $status), log: $log" >&2
    tail -n 60 "$log" >&2
    ls -l "$artifacts" >&2
    failed+=("$name")
  else
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" || tail -n 1 "$log"
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
rm -rf "$scratch"
echo "Fuzzing passed."
