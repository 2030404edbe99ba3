#!/usr/bin/env bash
# Starts the program under Wine on a private virtual display, opens each of
# its dialogs and the tray menu, and writes PNG pictures of them to
# build/screenshots (main, hotkey, gesture, tray_menu, hidden).
#
#   bash scripts/screenshot.sh          # pictures in build/screenshots
#   bash scripts/screenshot.sh --docs   # and copies them into docs/images
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target screenshot_driver >/dev/null

out="$PWD/build/screenshots"
rm -rf "$out"
mkdir -p "$out"
env -u DISPLAY scripts/wine-run.sh --prefix "$PWD/build/win64/wineprefix" \
  build/win64/tests/screenshot_driver.exe build/win64/src/plovnikar.exe "$out"
for bmp in "$out"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png"
  rm -f "$bmp"
done
ls "$out"
if [ "${1:-}" = "--docs" ]; then
  cp "$out"/*.png docs/images/
fi
