#!/usr/bin/env bash
# Runs the Windows tests under Wine on the current display, the 64-bit build
# first and then the shipped 32-bit one, each with its own prefix and sound
# server, and shuts Wine down afterwards, whatever the outcome, so no process
# outlives the run. Fails when either run fails.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

presets=(win64 win32)
# The tests start their own sound server (scripts/sound-server.sh) and stop it
# at the end; an interrupted run stops it here.
cleanup() {
  for preset in "${presets[@]}"; do
    WINEPREFIX="$PWD/build/$preset/wineprefix" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    bash scripts/sound-server.sh stop "$PWD/build/$preset/sound" >/dev/null 2>&1 || true
  done
}
trap cleanup EXIT

status=0
for preset in "${presets[@]}"; do
  echo "wine-tests: the $preset build"
  WINEPREFIX="$PWD/build/$preset/wineprefix" ctest --preset "$preset" || status=1
  # Which of the three cases held for the 32-bit build, in one line.
  if [ "$preset" = win32 ]; then
    case "$(bash scripts/i386-emulation.sh status)" in
      native) echo "wine-tests: the win32 build ran natively: both Windows layers in full" ;;
      emulated) echo "wine-tests: the win32 build ran under emulation (QEMU through binfmt_misc): the end-to-end smoke set; the rest is reported skipped" ;;
      *) grep -h -m1 '^skipped: ' "build/$preset/Testing/Temporary/LastTest.log" 2>/dev/null |
           sed "s/^/wine-tests: the $preset build was /" || true ;;
    esac
  fi
done
exit $status
