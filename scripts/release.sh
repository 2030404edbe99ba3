#!/usr/bin/env bash
# Builds the release archive build/release/plovnikar-<version>.zip: the
# stripped 32-bit executable, readme.txt, the player's guide as an HTML page
# (guide.html, its pictures in guide_files), the licence and a SHA-256
# checksum list; the text files have CR LF line ends for Notepad (see
# scripts/make-docs.sh). The same sources give the same bytes: the
# executable carries no link time stamp, the page comes from one converter,
# and every file in the archive has the time of the last commit, a fixed
# order and no owner.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh >/dev/null
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target plovnikar

version="$(sed -n 's/^project(plovnikar VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
epoch="$(git log -1 --format=%ct 2>/dev/null || echo 0)"
name="plovnikar-${version}"
stage="build/release/${name}"
rm -rf build/release
mkdir -p "$stage"

# strip writes a time stamp into the executable unless told the time to use.
SOURCE_DATE_EPOCH="$epoch" i686-w64-mingw32-strip -o "$stage/plovnikar.exe" build/win32/src/plovnikar.exe
bash scripts/make-docs.sh "$stage"
# CR LF too, which sha256sum -c reads as well.
(cd "$stage" && find . -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort |
   xargs sha256sum | sed 's/$/\r/' > SHA256SUMS)

find "$stage" -exec touch -h -d "@${epoch}" {} +
(cd build/release && find "$name" -print | LC_ALL=C sort |
   TZ=UTC zip -q -X -D -@ "${name}.zip")
echo "release: build/release/${name}.zip"
sha256sum "build/release/${name}.zip"
