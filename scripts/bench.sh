#!/usr/bin/env bash
# Runs every benchmark and prints one table; writes it also to
# docs/benchmarks/<date>.md with the machine's facts, so that later changes
# can be compared. Each figure of the program stands beside a floor measured
# in the same run by a minimal program of the same toolchain under the same
# Wine, and the ratio between them is what is judged: absolute times on a
# shared machine are noise. The benchmarks are not tests; nothing here fails
# because a figure is poor.
#
#   bash scripts/bench.sh            # about three minutes once built
#
# The Windows benchmarks run under Wine on a private Xvfb display large
# enough for a 1920x1080 client area, with a Wine prefix of their own
# (build/bench-win64/wineprefix); the native ones need Google Benchmark
# (libbenchmark-dev), and are left out without it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$PWD"
out="$root/build/bench"
win="$root/build/bench-win64"
prefix="$win/wineprefix"
WINESERVER="${WINESERVER:-/usr/lib/wine/wineserver}"
[ -x "$WINESERVER" ] || WINESERVER="$(command -v wineserver)"

if [ -z "${PLOV_BENCH_DISPLAY:-}" ]; then
  bash scripts/setup.sh >/dev/null
  echo "bench: building" >&2
  cmake --preset bench-win64 >/dev/null
  cmake --build --preset bench-win64 --target plovnikar startup_benchmark idle_benchmark \
    click_benchmark macro_benchmark capture_benchmark >/dev/null
  # The shipped program: 32-bit, stripped; and the least a windowed program
  # of the same toolchain and flags weighs.
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 --target plovnikar >/dev/null
  mkdir -p "$out"
  i686-w64-mingw32-strip -o "$out/plovnikar.exe" build/win32/src/plovnikar.exe
  i686-w64-mingw32-g++-posix -std=c++17 -Os -mwindows -static -fno-exceptions -fno-rtti \
    -ffunction-sections -fdata-sections -Wl,--gc-sections -s \
    -o "$out/floor_window32.exe" tests/bench/floor_window.cpp
  cmake --preset bench-native >/dev/null
  if cmake --build --preset bench-native --target help | grep -q '^native_benchmarks:'; then
    cmake --build --preset bench-native --target native_benchmarks >/dev/null
  fi
  # Wine goes down before the display does.
  exec xvfb-run -a -s "-screen 0 2560x1600x24 -nolisten tcp" \
    env PLOV_BENCH_DISPLAY=1 WINEPREFIX="$prefix" bash "$0" "$@"
fi

trap '"$WINESERVER" -k >/dev/null 2>&1 || true' EXIT
results="$out/results.txt"
: > "$results"

# Runs one driver; its RESULT and CHECK lines go to the results, the rest to
# its log (build/bench/<name>.log).
run() {
  local name="$1"; shift
  echo "bench: $name" >&2
  local log="$out/$name.log"
  if scripts/wine-run.sh --prefix "$prefix" "$win/tests/bench/$name.exe" "$@" >"$log" 2>&1; then
    grep -E '^(RESULT|CHECK) ' "$log" | tr -d '\r' >>"$results" || true
  else
    grep -E '^(RESULT|CHECK) ' "$log" | tr -d '\r' >>"$results" || true
    echo "FAILED $name" >>"$results"
    echo "bench: $name failed, see $log" >&2
  fi
}

program="$win/src/plovnikar.exe"
run startup_benchmark "$program" 7
run idle_benchmark "$program" 30
run click_benchmark "$program" 4
run macro_benchmark "$program" 3
run capture_benchmark "$program" 20

size=$(stat -c %s "$out/plovnikar.exe")
floor_size=$(stat -c %s "$out/floor_window32.exe")
echo "RESULT size $(awk -v b="$size" 'BEGIN{printf "%.1f", b/1024}') $(awk -v b="$floor_size" 'BEGIN{printf "%.1f", b/1024}') KB" >>"$results"

native="build/bench-native/tests/bench/native_benchmarks"
if [ -x "$native" ]; then
  echo "bench: native_benchmarks" >&2
  "$native" --benchmark_min_time=0.2 --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null \
    | tr -d '"' | awk -F, '$1 ~ /_median$/ { n = $1; sub(/_median$/, "", n); t[n] = $4 }
        END { for (n in t) if (n !~ /_floor$/ && ((n "_floor") in t))
                printf "RESULT native_%s %.4g %.4g ns\n", n, t[n], t[n "_floor"] }' \
    | sort >>"$results"
fi

# The table. A row: key, what, goal kind, goal value. Kinds: max (ratio at
# most), band (ratio within the fraction of 1), size (value at most, KB),
# yes (a check that must hold), none (reported only).
rows='startup|Start-up to the visible frame, median of 7 (floor: one window of the same size)|max|1.5
startup_panel|  of which the main panel'"'"'s controls: its template alone in a frame (floor: one window)|none|
startup_own|  and the program'"'"'s own set-up (program against the template alone)|none|
idle_cpu|CPU time over 30 s at rest, beside a window that has the focus (floor: GetCursorPos on a timer of interval 0)|max|1.2
clicks_0|Click repeat at 0 msec, events/s (floor: ticks/s of the same timer)|band|0.05
clicks_10|Click repeat at 10 msec|band|0.05
clicks_50|Click repeat at 50 msec|band|0.05
clicks_100|Click repeat at 100 msec|band|0.05
clicks_alternate|Click repeat: downs and ups strictly alternate|yes|
macro_record|Macro recording, samples written/s (floor: ticks/s at interval 0)|none|
macro_positions|Macro replay: the recorded points, in order|yes|
macro_buttons|Macro replay: the button transitions at the recorded points|yes|
macro_ticks|Macro replay: one tick a sample (ticks from the first point to the last, by the floor'"'"'s rate)|yes|
capture|Capture of a 1920x1080 client area, median of 20 (floor: one BitBlt and the same bytes written)|max|1.3
size|Executable, 32-bit, stripped, no packer (floor: one window, same toolchain)|size|128
memory|Working set at rest (floor: one window of the same size)|max|1.3
memory_panel|  of which the main panel'"'"'s template alone in a frame (floor: one window)|none|
memory_own|  and the program'"'"'s own (program against the template alone)|none|
native_GestureTickShortMove|Native: a sampling tick that does not move far enough (floor: the distance test)|none|
native_GestureTickMatch|Native: a sampling tick that completes a gesture (floor: a plain match over nine records)|none|
native_SettingsWrite|Native: writing the settings file (floor: copying its bytes)|none|
native_SettingsRead|Native: reading the settings file (floor: copying its bytes)|none|'

table() {
  echo "| Measure | PLOVNIKAR | Floor | Ratio | Goal | Met |"
  echo "|---|---:|---:|---:|---|---|"
  while IFS='|' read -r key what kind goal; do
    local line
    line=$(grep -E "^(RESULT|CHECK) $key " "$results" | head -1 || true)
    if [ -z "$line" ]; then
      echo "| $what | no figure | | | | |"
      continue
    fi
    echo "$line" | awk -v what="$what" -v kind="$kind" -v goal="$goal" '
      function fmt(v) { return v >= 100 ? sprintf("%.0f", v) : (v >= 10 ? sprintf("%.1f", v) : sprintf("%.3g", v)) }
      $1 == "CHECK" {
        detail = $4; for (i = 5; i <= NF; ++i) detail = detail " " $i
        met = ($3 == "yes") ? "met" : "**missed**"
        printf "| %s | %s (%s) | | | yes | %s |\n", what, $3, detail, met
        next }
      {
        value = $3; floor = $4; unit = $5; ratio = floor > 0 ? value / floor : 0
        goaltext = ""; met = ""
        if (kind == "max") { goaltext = "ratio at most " goal; met = ratio <= goal ? "met" : "**missed**" }
        if (kind == "band") { goaltext = "within " goal * 100 " %"; d = ratio - 1; if (d < 0) d = -d; met = d <= goal ? "met" : "**missed**" }
        if (kind == "size") { goaltext = "at most " goal " KB"; met = value <= goal ? "met" : "**missed**" }
        printf "| %s | %s %s | %s %s | %.2f | %s | %s |\n", what, fmt(value), unit, fmt(floor), unit, ratio, goaltext, met
      }'
  done <<<"$rows"
  grep '^FAILED ' "$results" | sed 's/^FAILED \(.*\)/| \1 did not finish: see build\/bench\/\1.log | | | | | **missed** |/' || true
}

date=$(date +%F)
report="docs/benchmarks/$date.md"
mkdir -p docs/benchmarks
commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)
if [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]; then commit="$commit with local changes"; fi
{
  echo "# Benchmarks of $date"
  echo
  echo "- Sources: commit $commit"
  echo "- Machine: $(nproc) CPUs ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')), Linux $(uname -r), load average at the end $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "- Wine: $(/usr/lib/wine/wine64 --version 2>/dev/null || wine64 --version), 64-bit build of the program (preset bench-win64) on Xvfb 2560x1600; the size is the 32-bit build's (preset win32)"
  echo "- Native: $(g++ --version | head -1), preset bench-native (Release)"
  echo
  table
  echo
  echo "Ratios are the program's figure over the floor's, both measured in this run."
  echo "How each figure is taken, and what holds back a goal that is missed, is in"
  echo "[README.md](README.md). The drivers' own output is in build/bench/*.log."
} >"$report"
cat "$report"
echo "bench: written to $report" >&2
