#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
#
# Installs what is missing, builds, and runs every test three ways:
#   1. the whole suite on the normal build (build/);
#   2. the whole suite again on a build with AddressSanitizer, LeakSanitizer and
#      UndefinedBehaviorSanitizer (build-asan/), where any finding fails the test that met it;
#   3. each libFuzzer target for a bounded time on a copy of its seed corpus (build-fuzz/,
#      built with clang); a crash or a broken property fails the run.
# The tests need no display: they run on Qt's offscreen platform.
#
# ORVANTA_BUILD_DIR moves build/ elsewhere, and the other two folders go beside it with the
# suffixes -asan and -fuzz. ORVANTA_FUZZ_SECONDS sets the time of each fuzz target (20 s).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORVANTA_BUILD_DIR:-$root/build}"
asan_build="$build-asan"
fuzz_build="$build-fuzz"
fuzz_seconds="${ORVANTA_FUZZ_SECONDS:-20}"
jobs="$(nproc)"
started=$SECONDS

"$root/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen

echo "== The tests on the normal build"
ctest --test-dir "$build" --output-on-failure -j"$jobs"

echo "== The tests under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer"
ORVANTA_BUILD_DIR="$asan_build" "$root/scripts/setup.sh" -DORVANTA_SANITIZE=ON
# The first finding ends the process. Leaks are checked at every exit; the suppressions cover
# only what Qt and the system libraries keep until the end of the process.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp:print_suppressions=0"
# Installing the package tests the packaging, not the code: once, on the normal build, is enough.
ctest --test-dir "$asan_build" --output-on-failure -j"$jobs" -E '^debian_package_installs_and_runs$'

echo "== Fuzzing, ${fuzz_seconds} s per target"
cmake -S "$root" -B "$fuzz_build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANTA_BUILD_FUZZERS=ON -DORVANTA_BUILD_TESTS=OFF >/dev/null
cmake --build "$fuzz_build" --target orvanta_fuzzers -j"$jobs"

# Each target works on a copy of its corpus in a folder of its own, so that nothing it finds
# or adds lands in the repository; a failing input is kept there as crash-*.
work="$(mktemp -d "${TMPDIR:-/tmp}/orvanta-fuzz.XXXXXX")"
fuzz_one() {
    local name="$1" dictionary=()
    mkdir -p "$work/$name/corpus"
    cp "$root/fuzz/corpus/$name/"* "$work/$name/corpus/"
    if [ -f "$root/fuzz/$name.dict" ]; then
        dictionary=(-dict="$root/fuzz/$name.dict")
    fi
    "$fuzz_build/fuzz/fuzz_$name" -max_total_time="$fuzz_seconds" -print_final_stats=1 \
        -artifact_prefix="$work/$name/" "${dictionary[@]}" "$work/$name/corpus" >"$work/$name/log" 2>&1
}

targets=(number_conversion leading_integer pinyin gbk_codec form_template)
failed=()
# As many targets at a time as there are cores.
for ((i = 0; i < ${#targets[@]}; i += jobs)); do
    batch=("${targets[@]:i:jobs}")
    pids=()
    for name in "${batch[@]}"; do
        fuzz_one "$name" &
        pids+=($!)
    done
    for k in "${!batch[@]}"; do
        name="${batch[$k]}"
        if wait "${pids[$k]}"; then
            runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$name/log")"
            echo "fuzz_$name: ${runs:-?} executions in ${fuzz_seconds} s, no failure"
        else
            failed+=("$name")
            echo "fuzz_$name: FAILED; its log and the failing input are in $work/$name/" >&2
            tail -n 40 "$work/$name/log" >&2
        fi
    done
done
if ((${#failed[@]})); then
    echo "Fuzz targets that failed: ${failed[*]}" >&2
    exit 1
fi
rm -rf "$work"
echo "All three passes succeeded in $((SECONDS - started)) s."
