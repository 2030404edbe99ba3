#!/usr/bin/env bash
# Runs every benchmark and prints one table; writes it also to
# docs/benchmarks/<date>.md with the machine's facts, so that later changes
# can be compared. Each figure of the program stands beside a floor measured
# in the same run by a minimal program of the same toolchain and bitness
# under the same Wine, and the ratio between them is what is judged: absolute
# times on a shared machine are noise. The benchmarks are not tests; nothing
# here fails because a figure is poor.
#
#   bash scripts/bench.sh            # about five minutes once built
#
# The Windows benchmarks run under Wine on a private Xvfb display large
# enough for a 1920x1080 client area, with a Wine prefix per build
# (build/bench-win64/wineprefix, build/bench-win32/wineprefix). The 64-bit
# build runs every driver; the shipped 32-bit build runs start-up, idle cost,
# click repeat, concealment and working set, unless the kernel cannot execute
# 32-bit code, in which case its rows say so. The native ones need Google Benchmark
# (libbenchmark-dev), and are left out without it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$PWD"
out="$root/build/bench"
drivers="startup_benchmark idle_benchmark click_benchmark macro_benchmark capture_benchmark conceal_benchmark"
WINESERVER="${WINESERVER:-/usr/lib/wine/wineserver}"
[ -x "$WINESERVER" ] || WINESERVER="$(command -v wineserver)"

if [ -z "${PLOV_BENCH_DISPLAY:-}" ]; then
  bash scripts/setup.sh >/dev/null
  echo "bench: building" >&2
  for preset in bench-win64 bench-win32; do
    cmake --preset $preset >/dev/null
    # shellcheck disable=SC2086
    cmake --build --preset $preset --target plovnikar $drivers >/dev/null
  done
  # The shipped program, stripped as the release strips it, and the least a
  # windowed program of the same toolchain and flags weighs.
  mkdir -p "$out"
  i686-w64-mingw32-strip -o "$out/plovnikar.exe" build/bench-win32/src/plovnikar.exe
  i686-w64-mingw32-strip -o "$out/floor_window32.exe" build/bench-win32/tests/bench/floor_window.exe
  cmake --preset bench-native >/dev/null
  if cmake --build --preset bench-native --target help | grep -q '^native_benchmarks:'; then
    cmake --build --preset bench-native --target native_benchmarks >/dev/null
  fi
  # Wine goes down before the display does.
  exec xvfb-run -a -s "-screen 0 2560x1600x24 -nolisten tcp" \
    env PLOV_BENCH_DISPLAY=1 bash "$0" "$@"
fi

stop_wine() {
  for bits in 64 32; do
    WINEPREFIX="$root/build/bench-win$bits/wineprefix" "$WINESERVER" -k >/dev/null 2>&1 || true
  done
  bash scripts/sound-server.sh stop "$out/sound" >/dev/null 2>&1 || true
}
trap stop_wine EXIT
results="$out/results.txt"
: > "$results"

# Runs one driver of the build of `bits` (64 or 32) against that build's
# program; its RESULT and CHECK lines go to the results with the bits before
# the key ("RESULT 32:startup ..."), the rest to its log
# (build/bench/<name>-<bits>.log).
run() {
  local bits="$1" name="$2"; shift 2
  local win="$root/build/bench-win$bits"
  echo "bench: $name, $bits-bit" >&2
  local log="$out/$name-$bits.log" status=0
  scripts/wine-run.sh --prefix "$win/wineprefix" "$win/tests/bench/$name.exe" \
    "$win/src/plovnikar.exe" "$@" >"$log" 2>&1 || status=$?
  grep -E '^(RESULT|CHECK) ' "$log" | tr -d '\r' | sed "s/^\([A-Z]*\) /\1 $bits:/" >>"$results" || true
  if [ "$status" = 77 ]; then
    echo "SKIPPED $bits $(grep -m1 '^skipped: ' "$log" | sed 's/^skipped: //')" >>"$results"
  elif [ "$status" != 0 ]; then
    echo "FAILED $name-$bits" >>"$results"
    echo "bench: $name ($bits-bit) failed, see $log" >&2
  fi
}

run 64 startup_benchmark 7
run 64 idle_benchmark 30
run 64 click_benchmark 4
run 64 macro_benchmark 3
run 64 capture_benchmark 20
# The mute's figures need a sound server, as the player's PC has one.
sound="$out/sound"
bash scripts/sound-server.sh start "$sound" >&2
PULSE_SERVER="unix:$sound/native" run 64 conceal_benchmark 7
bash scripts/sound-server.sh stop "$sound" >&2
run 32 startup_benchmark 7
# The kernel refused the first 32-bit run: the others would say the same.
if ! grep -q '^SKIPPED 32 ' "$results"; then
  run 32 idle_benchmark 30
  run 32 click_benchmark 4
  bash scripts/sound-server.sh start "$sound" >&2
  PULSE_SERVER="unix:$sound/native" run 32 conceal_benchmark 7
  bash scripts/sound-server.sh stop "$sound" >&2
fi

size=$(stat -c %s "$out/plovnikar.exe")
floor_size=$(stat -c %s "$out/floor_window32.exe")
echo "RESULT 32:size $(awk -v b="$size" 'BEGIN{printf "%.1f", b/1024}') $(awk -v b="$floor_size" 'BEGIN{printf "%.1f", b/1024}') KB" >>"$results"

native="build/bench-native/tests/bench/native_benchmarks"
if [ -x "$native" ]; then
  echo "bench: native_benchmarks" >&2
  "$native" --benchmark_min_time=0.2 --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null \
    | tr -d '"' | awk -F, '$1 ~ /_median$/ { n = $1; sub(/_median$/, "", n); t[n] = $4 }
        END { for (n in t) if (n !~ /_floor$/ && ((n "_floor") in t))
                printf "RESULT native:%s %.4g %.4g ns\n", n, t[n], t[n "_floor"] }' \
    | sort >>"$results"
fi

# The table. A row: key, the builds that measure it (64, 32, native), what,
# goal kind, goal value. Kinds: max (ratio at most), band (ratio within the
# fraction of 1), size (value at most, KB), yes (a check that must hold),
# none (reported only). Rows come build by build.
rows='startup|64 32|Start-up to the visible frame, median of 7 (floor: one window of the same size)|max|1.5
startup_panel|64 32|  of which the main panel'"'"'s controls: its template alone in a frame (floor: one window)|none|
startup_own|64 32|  and the program'"'"'s own set-up (program against the template alone)|none|
idle_cpu|64 32|CPU time over 30 s at rest, beside a window that has the focus (floor: GetCursorPos on a timer of interval 0)|max|1.2
clicks_0|64 32|Click repeat at 0 msec, events/s (floor: ticks/s of the same timer)|band|0.05
clicks_10|64 32|Click repeat at 10 msec|band|0.05
clicks_50|64 32|Click repeat at 50 msec|band|0.05
clicks_100|64 32|Click repeat at 100 msec|band|0.05
clicks_alternate|64 32|Click repeat: downs and ups strictly alternate|yes|
macro_record|64|Macro recording, samples written/s (floor: ticks/s at interval 0)|none|
macro_positions|64|Macro replay: the recorded points, in order|yes|
macro_buttons|64|Macro replay: the button transitions at the recorded points|yes|
macro_ticks|64|Macro replay: one tick a sample (ticks from the first point to the last, by the floor'"'"'s rate)|yes|
capture|64|Capture of a 1920x1080 client area, median of 20 (floor: one BitBlt and the same bytes written)|max|1.3
conceal|64 32|Concealment of 100 titled windows of another process, key press to the last hidden, "消音" unticked, median of 7 (floor: one enumeration, then ShowWindow alone from the bottom of the Z-order up)|max|1.1
conceal_mute_first|64 32|  the same with "消音" ticked: the first press in a program just started, median of 7|max|1.1
conceal_mute|64 32|  and later presses with "消音" ticked|none|
memory|64 32|Working set at rest (floor: one window of the same size)|max|1.3
memory_panel|64 32|  of which the main panel'"'"'s template alone in a frame (floor: one window)|none|
memory_own|64 32|  and the program'"'"'s own (program against the template alone)|none|
size|32|Executable, stripped, no packer (floor: one window, same toolchain)|size|128
GestureTickShortMove|native|A sampling tick that does not move far enough (floor: the distance test)|none|
GestureTickMatch|native|A sampling tick that completes a gesture (floor: a plain match over nine records)|none|
SettingsWrite|native|Writing the settings file (floor: copying its bytes)|none|
SettingsRead|native|Reading the settings file (floor: copying its bytes)|none|'

build_name() {
  case "$1" in 64) echo "64-bit" ;; 32) echo "32-bit (shipped)" ;; *) echo "native" ;; esac
}

table() {
  echo "| Build | Measure | PLOVNIKAR | Floor | Ratio | Goal | Met |"
  echo "|---|---|---:|---:|---:|---|---|"
  local build
  for build in 64 32 native; do
    local skipped name
    skipped=$(grep -m1 "^SKIPPED $build " "$results" | cut -d' ' -f3- || true)
    name=$(build_name "$build")
    # A build the kernel cannot run has one row for every figure it lacks.
    if [ -n "$skipped" ]; then
      echo "| $name | Start-up, idle cost, click repeat, working set | skipped: $skipped | | | | |"
    fi
    while IFS='|' read -r key builds what kind goal; do
      case " $builds " in *" $build "*) ;; *) continue ;; esac
      local line
      line=$(grep -E "^(RESULT|CHECK) $build:$key " "$results" | head -1 || true)
      if [ -z "$line" ]; then
        [ -n "$skipped" ] || echo "| $name | $what | no figure | | | | |"
        continue
      fi
      echo "$line" | awk -v name="$name" -v what="$what" -v kind="$kind" -v goal="$goal" '
        function fmt(v) { return v >= 100 ? sprintf("%.0f", v) : (v >= 10 ? sprintf("%.1f", v) : sprintf("%.3g", v)) }
        $1 == "CHECK" {
          detail = $4; for (i = 5; i <= NF; ++i) detail = detail " " $i
          met = ($3 == "yes") ? "met" : "**missed**"
          printf "| %s | %s | %s (%s) | | | yes | %s |\n", name, what, $3, detail, met
          next }
        {
          value = $3; floor = $4; unit = $5; ratio = floor > 0 ? value / floor : 0
          goaltext = ""; met = ""
          if (kind == "max") { goaltext = "ratio at most " goal; met = ratio <= goal ? "met" : "**missed**" }
          if (kind == "band") { goaltext = "within " goal * 100 " %"; d = ratio - 1; if (d < 0) d = -d; met = d <= goal ? "met" : "**missed**" }
          if (kind == "size") { goaltext = "at most " goal " KB"; met = value <= goal ? "met" : "**missed**" }
          printf "| %s | %s | %s %s | %s %s | %.2f | %s | %s |\n", name, what, fmt(value), unit, fmt(floor), unit, ratio, goaltext, met
        }'
    done <<<"$rows"
  done
  grep '^FAILED ' "$results" | sed 's/^FAILED \(.*\)/| | \1 did not finish: see build\/bench\/\1.log | | | | | **missed** |/' || true
}

date=$(date +%F)
report="docs/benchmarks/$date.md"
# A second run on the same day keeps the first one's table.
for n in 2 3 4 5 6 7 8 9; do
  [ -e "$report" ] || break
  report="docs/benchmarks/$date-$n.md"
done
mkdir -p docs/benchmarks
commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)
if [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]; then commit="$commit with local changes"; fi
{
  echo "# Benchmarks of $date"
  echo
  echo "- Sources: commit $commit"
  echo "- Machine: $(nproc) CPUs ($(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')), Linux $(uname -r), load average at the end $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "- Wine: $(/usr/lib/wine/wine64 --version 2>/dev/null || wine64 --version) on Xvfb 2560x1600: the 64-bit build (preset bench-win64) and the shipped 32-bit build (preset bench-win32), each against floors of its own bitness; the size is the 32-bit build's"
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
