#!/usr/bin/env bash
# Sets up the machine, builds the release archive and starts the program it
# holds, the shipped 32-bit one, under Wine. It runs from build/run, where it
# keeps its settings and macro files between runs. Where the kernel cannot
# execute 32-bit code it runs under QEMU's emulator, slowly; where not even
# that can be had, the 64-bit build of the same sources runs instead.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
bash scripts/release.sh >/dev/null
archive="$(ls build/release/plovnikar-*.zip)"
mkdir -p build/run
unzip -q -o -j "$archive" '*/plovnikar.exe' -d build/run
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no X display is set; the program runs on a private virtual display." >&2
fi
cd build/run
status=0
../../scripts/wine-run.sh --prefix "$PWD/../win32/wineprefix" plovnikar.exe || status=$?
if [ "$status" = 77 ]; then
  echo "run: starting the 64-bit build of the same sources instead" >&2
  (cd ../.. && cmake --preset win64 >/dev/null && cmake --build --preset win64 --target plovnikar >/dev/null)
  cp ../win64/src/plovnikar.exe plovnikar.exe
  exec ../../scripts/wine-run.sh --prefix "$PWD/../win64/wineprefix" plovnikar.exe
fi
exit "$status"
