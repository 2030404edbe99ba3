#!/usr/bin/env bash
# Starts the program on a private virtual display and writes a PNG of its
# main window to build/screenshots/main.png.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if [ -z "${PLOV_SCREENSHOT_DISPLAY:-}" ]; then
  bash scripts/setup.sh >/dev/null
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 --target plovnikar >/dev/null
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    env PLOV_SCREENSHOT_DISPLAY=1 bash "$0" "$@"
fi

out="$PWD/build/screenshots"
run="$(mktemp -d)"
mkdir -p "$out"
cp build/win64/src/plovnikar.exe "$run/"
export WINEPREFIX="$PWD/build/win64/wineprefix"
trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true; rm -rf "$run"' EXIT

(cd "$run" && "$OLDPWD/scripts/wine-run.sh" --prefix "$WINEPREFIX" plovnikar.exe) &

# Wait (bounded) for the frame to be mapped, then grab its area of the screen.
geometry=""
for _ in $(seq 1 300); do
  line="$(xwininfo -root -tree 2>/dev/null | grep '"PLOVNIKAR Ver.1.0"' | head -1 || true)"
  if [ -n "$line" ]; then
    id="$(echo "$line" | awk '{print $1}')"
    info="$(xwininfo -id "$id")"
    if echo "$info" | grep -q 'Map State: IsViewable'; then
      x=$(echo "$info" | awk '/Absolute upper-left X/ {print $4}')
      y=$(echo "$info" | awk '/Absolute upper-left Y/ {print $4}')
      w=$(echo "$info" | awk '/Width:/ {print $2}')
      h=$(echo "$info" | awk '/Height:/ {print $2}')
      geometry="${w}x${h}+${x}+${y}"
      break
    fi
  fi
  sleep 0.1
done
if [ -z "$geometry" ]; then
  echo "screenshot: the main window did not appear" >&2
  exit 1
fi
# Let the first paint finish: wait until two grabs in a row agree.
prev=""
for _ in $(seq 1 50); do
  import -window root -crop "$geometry" "$out/main.png"
  sum="$(md5sum < "$out/main.png")"
  [ "$sum" = "$prev" ] && break
  prev="$sum"
  sleep 0.2
done
echo "screenshot: $out/main.png ($geometry)"
