#!/usr/bin/env bash
# Starts the shipped 32-bit program under Wine on a private virtual display,
# opens each of its dialogs and the tray menu, and writes PNG pictures of them
# to build/screenshots (main, hotkey, gesture, tray_menu, hidden). Where the
# kernel cannot execute 32-bit code it runs under QEMU's emulator; where not
# even that can be had, the 64-bit build of the same sources sits for the
# pictures instead, and the script says so.
#
#   bash scripts/screenshot.sh          # pictures in build/screenshots
#   bash scripts/screenshot.sh --docs   # and copies them into docs/images
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh >/dev/null
out="$PWD/build/screenshots"

shoot() {
  local preset="$1"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target screenshot_driver >/dev/null
  rm -rf "$out"
  mkdir -p "$out"
  env -u DISPLAY scripts/wine-run.sh --prefix "$PWD/build/$preset/wineprefix" \
    "build/$preset/tests/screenshot_driver.exe" "build/$preset/src/plovnikar.exe" "$out"
}

status=0
shoot win32 || status=$?
if [ "$status" = 77 ]; then
  echo "screenshot: the pictures come from the 64-bit build instead" >&2
  shoot win64
elif [ "$status" != 0 ]; then
  exit "$status"
fi
for bmp in "$out"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png"
  rm -f "$bmp"
done
ls "$out"
if [ "${1:-}" = "--docs" ]; then
  cp "$out"/*.png docs/images/
fi
