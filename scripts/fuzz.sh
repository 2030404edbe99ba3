#!/usr/bin/env bash
# Builds the settings reader's fuzz target with Clang (preset `fuzz`) and runs
# it under AddressSanitizer and UndefinedBehaviorSanitizer for a bounded time,
# on a scratch copy of the seed corpus, so the committed corpus never grows.
#
#   bash scripts/fuzz.sh          # 30 seconds
#   bash scripts/fuzz.sh 300      # 300 seconds
#
# A failing input is left in build/fuzz/artifacts/ and the script exits non-zero.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds="${1:-30}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds]" >&2
  exit 2
fi

bash scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target settings_fuzz

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp tests/fuzz/corpus/* "$work"/
mkdir -p build/fuzz/artifacts
log="$work.log"

status=0
build/fuzz/tests/fuzz/settings_fuzz -max_total_time="$seconds" -max_len=4096 \
  -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/ "$work" >"$log" 2>&1 || status=$?

tail -n 25 "$log"
runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
rm -f "$log"
echo "fuzz: settings_fuzz ran ${runs:-an unknown number of} executions in ${seconds} s (exit ${status})"
exit "$status"
