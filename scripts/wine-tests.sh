#!/usr/bin/env bash
# Runs the Windows tests under Wine on the current display and shuts Wine down
# afterwards, whatever the outcome, so no process outlives the run.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

export WINEPREFIX="$PWD/build/win64/wineprefix"
# The tests start their own sound server (scripts/sound-server.sh) and stop it
# at the end; an interrupted run stops it here.
cleanup() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  bash scripts/sound-server.sh stop "$PWD/build/win64/sound" >/dev/null 2>&1 || true
}
trap cleanup EXIT

ctest --preset win64
