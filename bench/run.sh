#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
#
# Builds the benchmarks in Release and runs them all: the cost of a name against Python Faker,
# the cost of a click offscreen and under Xvfb, how a click grows over 1,000 clicks, start-up
# against a minimal Qt Widgets program, and the longest gap between event-processing turns.
# Prints one table and writes it, with the machine it ran on, to bench/results.md, and draws
# bench/growth.png. Every comparison is a ratio of medians measured in this same run.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORVANTA_BENCH_DIR:-$root/build-bench}"
results="$root/bench/results.md"
quick="${ORVANTA_BENCH_QUICK:-}"

"$root/scripts/setup.sh" >/dev/null
missing=()
for package in libbenchmark-dev hyperfine python3-fake-factory gnuplot-nox; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_BUILD_TESTS=OFF \
    -DORVANTA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
bin="$build/bench"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

repeats=31
clicks=1000
[ -n "$quick" ] && repeats=7 && clicks=200

echo "Measuring the cost of a name..."
"$bin/name_benchmark" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null >"$work/names.csv"
name_ns() { awk -F, -v n="\"$1_median\"" '$1 == n {print $4}' "$work/names.csv"; }
line_plain=$(name_ns "nameLine/mail:0")
line_mail=$(name_ns "nameLine/mail:1")
range_ns=$(name_ns randomInRange)
pinyin_ns=$(name_ns pinyinLookup)
/usr/bin/python3 "$root/bench/faker_peer.py" >"$work/faker.txt"
faker_user=$(awk '$1 == "faker_user_name" {print $2}' "$work/faker.txt")
faker_mail=$(awk '$1 == "faker_free_email" {print $2}' "$work/faker.txt")

echo "Measuring clicks offscreen and under Xvfb..."
QT_QPA_PLATFORM=offscreen "$bin/click_benchmark" "$repeats" >"$work/click-offscreen.txt" 2>/dev/null
xvfb-run -a -s "-screen 0 1280x800x24" env -u QT_QPA_PLATFORM "$bin/click_benchmark" "$repeats" \
    >"$work/click-xcb.txt" 2>/dev/null
figure() { awk -v n="$2" '$1 == n {print $2}' "$1"; }

echo "Measuring growth over $clicks clicks..."
QT_QPA_PLATFORM=offscreen "$bin/growth_benchmark" "$clicks" >"$root/bench/growth.csv" 2>/dev/null

echo "Measuring start-up under Xvfb..."
xvfb-run -a -s "-screen 0 1280x800x24" env -u QT_QPA_PLATFORM bash -c "
    hyperfine --style none --warmup 3 --runs $repeats --export-json '$work/startup.json' \
        '$bin/startup_program' '$bin/startup_floor' >/dev/null 2>&1
    for i in 1 2 3 4 5 6 7; do '$bin/startup_program' memory; done >'$work/memory-program.txt' 2>/dev/null
    for i in 1 2 3 4 5 6 7; do '$bin/startup_floor' memory; done >'$work/memory-floor.txt' 2>/dev/null
"
startup() { /usr/bin/python3 -c "import json,sys; r=json.load(open('$work/startup.json'))['results']; print('%.2f' % (r[$1]['median']*1000))"; }
startup_program=$(startup 0)
startup_floor=$(startup 1)
median_of() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
memory_program=$(awk '{print $2}' "$work/memory-program.txt" | median_of)
memory_floor=$(awk '{print $2}' "$work/memory-floor.txt" | median_of)

gnuplot <<PLOT
set terminal pngcairo size 900,520 font "Sans,10"
set output "$root/bench/growth.png"
set datafile separator ","
set title "A 100-line click as the output box fills (offscreen)"
set xlabel "lines held in the output box"
set ylabel "median click time over 50 clicks (ms)"
set y2label "resident memory (MiB)"
set ytics nomirror
set y2tics
set key left top
set grid
plot "$root/bench/growth.csv" every ::2 using 2:3 with linespoints title "click time" axis x1y1, \
     "$root/bench/growth.csv" every ::1 using 2:(\$4/1048576) with lines title "resident memory" axis x1y2
PLOT

read -r first_growth last_growth lines_held memory_first memory_last < <(awk -F, '
    NR == 2 {m0 = $4} NR == 3 {first = $3} NR > 2 {last = $3; lines = $2; m1 = $4}
    END {print first, last, lines, m0, m1}' "$root/bench/growth.csv")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
cpu="$(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
qt="$(pkg-config --modversion Qt6Widgets 2>/dev/null || echo unknown)"

{
    echo "# Benchmark results"
    echo
    echo "Measured by \`bench/run.sh\` on $(date -u +%Y-%m-%d): $cpu, $(nproc) cores, Qt $qt."
    echo "Each figure is a median of repeated runs; each ratio compares figures from this same run."
    echo
    echo "| What | Orvanta | Peer or floor | Ratio | Goal |"
    echo "|---|---|---|---|---|"
    echo "| One name line, plain (ns) | $line_plain | Faker user_name: $faker_user | $(ratio "$faker_user" "$line_plain")× faster | < 1000 ns, ≥ 20× |"
    echo "| One name line, mail (ns) | $line_mail | Faker free_email: $faker_mail | $(ratio "$faker_mail" "$line_mail")× faster | < 1000 ns, ≥ 20× |"
    echo "| RandomInRange (ns) | $range_ns | | | |"
    echo "| Pinyin lookup (ns) | $pinyin_ns | | | |"
    echo "| 100-line click, plain, offscreen (ms) | $(figure "$work/click-offscreen.txt" click_100_lines_plain_offscreen) | | | < 10 ms |"
    echo "| 100-line click, mail, offscreen (ms) | $(figure "$work/click-offscreen.txt" click_100_lines_mail_offscreen) | | | < 10 ms |"
    echo "| 100-line click, plain, Xvfb (ms) | $(figure "$work/click-xcb.txt" click_100_lines_plain_xcb) | | | |"
    echo "| 100-line click, mail, Xvfb (ms) | $(figure "$work/click-xcb.txt" click_100_lines_mail_xcb) | | | |"
    echo "| Longest gap between event turns, offscreen (ms) | $(figure "$work/click-offscreen.txt" longest_event_gap_offscreen) | | | < 2 ms |"
    echo "| Longest gap between event turns, Xvfb (ms) | $(figure "$work/click-xcb.txt" longest_event_gap_xcb) | | | < 2 ms |"
    echo "| Click time, last 50 against first 50 of $clicks clicks (ms) | $last_growth | first 50: $first_growth | $(ratio "$last_growth" "$first_growth") | ≤ 1.2 |"
    echo "| Memory per line held, $lines_held lines (bytes) | $(awk -v a="$memory_first" -v b="$memory_last" -v n="$lines_held" 'BEGIN {printf "%.0f", (b - a) / n}') | | | ≤ 400 |"
    echo "| Start-up to first paint, Xvfb (ms) | $startup_program | floor: $startup_floor | $(ratio "$startup_program" "$startup_floor") | ≤ 1.15 |"
    echo "| Idle resident memory after start-up (MiB) | $(awk -v a="$memory_program" 'BEGIN {printf "%.1f", a / 1048576}') | floor: $(awk -v a="$memory_floor" 'BEGIN {printf "%.1f", a / 1048576}') | $(ratio "$memory_program" "$memory_floor") | ≤ 1.15 |"
    echo
    echo "![Click time and memory as the output box fills](growth.png)"
} >"$results"
cat "$results"
