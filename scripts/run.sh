#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it under Wine. It runs
# from build/run, where it keeps its settings and macro files between runs.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target plovnikar

mkdir -p build/run
cp build/win64/src/plovnikar.exe build/run/
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no X display is set; the program runs on a private virtual display." >&2
fi
cd build/run
exec ../../scripts/wine-run.sh --prefix "$PWD/../win64/wineprefix" plovnikar.exe
