#!/usr/bin/env bash
# Times qmx encrypt and decrypt on a file of random data held in memory (tmpfs),
# side by side with openssl sha1, age and gpg on the same file, several runs
# each, interleaved. Prints medians, ratios and peak memory.
#
#   bench/run-file-bench.sh [SIZE_MIB] [RUNS]      (defaults: 1024 MiB, 5 runs)
#
# QMX_BENCH_BUILD names the build folder (default build-bench in the repo);
# QMX_BENCH_DIR a tmpfs folder to work in (default a new one in /dev/shm).
# A developer tool: installs age, gnupg, time and openssl with apt-get if missing.
set -euo pipefail

size_mib=${1:-1024}
runs=${2:-5}
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${QMX_BENCH_BUILD:-$repo/build-bench}
passphrase="qmx bench passphrase"

need_packages() {
    local missing=()
    command -v age >/dev/null || missing+=(age)
    command -v gpg >/dev/null || missing+=(gnupg)
    [[ -x /usr/bin/time ]] || missing+=(time)
    command -v openssl >/dev/null || missing+=(openssl)
    command -v script >/dev/null || missing+=(bsdutils)
    if ((${#missing[@]})); then
        echo "installing: ${missing[*]}"
        apt-get install -y "${missing[@]}" >/dev/null 2>&1 ||
            { apt-get update >/dev/null && apt-get install -y "${missing[@]}" >/dev/null; }
    fi
}

build_qmx() {
    if [[ ! -f $build/CMakeCache.txt ]]; then
        cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DQMX_BUILD_GUI=OFF -DQMX_BUILD_TESTS=OFF >/dev/null
    fi
    cmake --build "$build" -j2 --target qmx >/dev/null
    qmx=$build/app/cli/qmx
}

# Input, container, age and gpg outputs live at once, plus one decrypted copy.
check_memory() {
    local need_kib=$((size_mib * 1024 * 6))
    local avail_kib shm_kib
    avail_kib=$(awk '/^MemAvailable:/ {print $2}' /proc/meminfo)
    shm_kib=$(df -k --output=avail "$work" | tail -1)
    if ((avail_kib < need_kib || shm_kib < need_kib)); then
        echo "not enough memory: need ${need_kib} KiB free, have ${avail_kib} KiB" \
            "(tmpfs ${shm_kib} KiB)" >&2
        exit 1
    fi
}

make_workdir() {
    if [[ -n ${QMX_BENCH_DIR:-} ]]; then
        work=$QMX_BENCH_DIR
        mkdir -p "$work"
    else
        work=$(mktemp -d /dev/shm/qmx-bench.XXXXXX)
    fi
    if [[ $(stat -f -c %T "$work") != tmpfs ]]; then
        echo "$work is not on tmpfs" >&2
        exit 1
    fi
    trap cleanup EXIT
}

cleanup() {
    gpgconf --homedir "$work/gnupg" --kill gpg-agent >/dev/null 2>&1 || true
    rm -rf "${work:?}/data" "$work"/data.* "$work/gnupg" "$work/pass" "$work/times"
    [[ -n ${QMX_BENCH_DIR:-} ]] || rmdir "$work" 2>/dev/null || true
}

# time_run NAME COMMAND...: runs it under /usr/bin/time, records wall microseconds, peak KiB
# and the user and system seconds.
time_run() {
    local name=$1 tfile="$work/times/$1.last"
    shift
    local start end
    start=$(date +%s%N)
    "$@"
    end=$(date +%s%N)
    local rss user sys
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$tfile")
    user=$(awk -F': ' '/User time/ {print $2}' "$tfile")
    sys=$(awk -F': ' '/System time/ {print $2}' "$tfile")
    echo "$(((end - start) / 1000)) $rss $user $sys" >>"$work/times/$name"
}

timed() { /usr/bin/time -v -o "$work/times/$1.last" "${@:2}"; }

# age reads its passphrase from the terminal only: give it a pty with script(1)
# and type the passphrase (twice when encrypting) into it.
age_on_pty() {
    local answers=$1
    shift
    printf '%s' "$answers" | script -q -e -c "$*" /dev/null >/dev/null
}

# Without compression: on random data it only costs time (on 64 MiB, gpg -c
# took 1.47 s of user time with its default compression, 0.38 s without).
gpg_args() {
    echo --homedir "$work/gnupg" --batch --yes --quiet --pinentry-mode loopback \
        --passphrase-file "$work/pass" --compress-algo none
}

one_round() {
    local p="$work/times"
    time_run qmx_encrypt timed qmx_encrypt \
        "$qmx" encrypt --password-file "$work/pass" --force -o "$work/data.qmx" "$work/data"
    time_run openssl_sha1 timed openssl_sha1 openssl sha1 "$work/data" >/dev/null
    time_run qmx_decrypt timed qmx_decrypt \
        "$qmx" decrypt --password-file "$work/pass" --force -o "$work/data.plain" "$work/data.qmx"
    check_same "$work/data.plain" qmx
    time_run age_encrypt age_on_pty "$passphrase"$'\n'"$passphrase"$'\n' \
        /usr/bin/time -v -o "$p/age_encrypt.last" age -p -o "$work/data.age" "$work/data"
    time_run age_decrypt age_on_pty "$passphrase"$'\n' \
        /usr/bin/time -v -o "$p/age_decrypt.last" age -d -o "$work/data.plain" "$work/data.age"
    check_same "$work/data.plain" age
    # shellcheck disable=SC2046
    time_run gpg_encrypt timed gpg_encrypt gpg $(gpg_args) -c -o "$work/data.gpg" "$work/data"
    # shellcheck disable=SC2046
    time_run gpg_decrypt timed gpg_decrypt gpg $(gpg_args) -d -o "$work/data.plain" "$work/data.gpg"
    check_same "$work/data.plain" gpg
}

check_same() {
    if ! cmp -s "$work/data" "$1"; then
        echo "$2 gave back a different file" >&2
        exit 1
    fi
    rm -f "$1"
}

# median_of NAME [COLUMN]: the median of a column of the records (1: wall microseconds).
median_of() { awk -v c="${2:-1}" '{print $c}' "$work/times/$1" | sort -n | awk '{a[NR]=$1} END {
    if (NR % 2) print a[(NR + 1) / 2]; else print (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
peak_of() { awk '{print $2}' "$work/times/$1" | sort -n | tail -1; }
range_of() { awk '{print $1}' "$work/times/$1" | sort -n | awk 'NR == 1 {lo = $1} {hi = $1}
    END {printf "%.3f..%.3f", lo / 1e6, hi / 1e6}'; }

report() {
    local names=(qmx_encrypt qmx_decrypt openssl_sha1 age_encrypt age_decrypt gpg_encrypt
        gpg_decrypt)
    # The system time of writing a new file to tmpfs varies several-fold between identical
    # runs on a virtual machine; the user and system medians show where a slow run lost time.
    printf '\n%-14s %10s %18s %12s %8s %8s\n' tool "median s" "range s" "peak MiB" "user s" "sys s"
    local n
    for n in "${names[@]}"; do
        printf '%-14s %10.3f %18s %12.1f %8.2f %8.2f\n' "$n" "$(awk -v u="$(median_of "$n")" \
            'BEGIN {print u / 1e6}')" "$(range_of "$n")" \
            "$(awk -v k="$(peak_of "$n")" 'BEGIN {print k / 1024}')" \
            "$(median_of "$n" 3)" "$(median_of "$n" 4)"
    done
    echo
    ratio "qmx encrypt / openssl sha1" qmx_encrypt openssl_sha1
    ratio "qmx decrypt / openssl sha1" qmx_decrypt openssl_sha1
    ratio "age -p / qmx encrypt" age_encrypt qmx_encrypt
    ratio "age -d / qmx decrypt" age_decrypt qmx_decrypt
    ratio "gpg -c / qmx encrypt" gpg_encrypt qmx_encrypt
    ratio "gpg -d / qmx decrypt" gpg_decrypt qmx_decrypt
}

ratio() {
    printf '%-28s %6.2f\n' "$1" "$(awk -v a="$(median_of "$2")" -v b="$(median_of "$3")" \
        'BEGIN {print a / b}')"
}

main() {
    need_packages
    build_qmx
    make_workdir
    check_memory
    mkdir -p "$work/times" "$work/gnupg"
    chmod 700 "$work/gnupg"
    printf '%s\n' "$passphrase" >"$work/pass"
    head -c "$((size_mib * 1024 * 1024))" /dev/urandom >"$work/data"
    echo "file: $size_mib MiB of random data in $work; $runs runs; qmx from $build"
    echo "source: $(git -C "$repo" log -1 --format='%h %s' 2>/dev/null || echo "not a git tree")"
    echo "load before: $(uptime)"
    local r
    for ((r = 1; r <= runs; r++)); do
        one_round
    done
    echo "load after:  $(uptime)"
    report
}

main
