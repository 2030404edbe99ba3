#!/usr/bin/env bash
# Sets up the machine, builds everything (Linux, 64-bit and 32-bit Windows)
# and runs every test: the native unit tests, then the Windows tests under
# Wine, one at a time on one private X display.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh

for preset in native native-clang win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

ctest --preset native
ctest --preset native-clang
# The settings reader against arbitrary bytes, for a bounded time.
bash scripts/fuzz.sh "${PLOV_FUZZ_SECONDS:-30}"

if [ -z "${DISPLAY:-}" ]; then
  # One display for the whole Wine run; wine-run.sh would otherwise start one
  # per test program.
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash scripts/wine-tests.sh
fi
exec bash scripts/wine-tests.sh
