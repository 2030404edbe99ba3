#!/usr/bin/env bash
# Makes the player's documents of the release in the folder given:
#   guide.html      the guide, docs/guide.md converted by cmark-gfm, with the
#                   style sheet docs/guide.css in its head; it loads nothing
#                   but its pictures, so it opens from a local folder. Each
#                   heading's id is written after its text in guide.md
#                   ("## 困ったときは {#trouble}") and becomes the heading's
#                   id attribute, the target of the contents and section links
#   guide_files/    the guide's pictures (docs/images)
#   readme.txt      docs/readme.txt with the UTF-8 byte-order mark and CR LF
#                   line ends, as Notepad of Windows 7 reads it
#   LICENSE.txt     the licence with CR LF line ends
# The same sources and the same cmark-gfm give the same bytes.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if [ $# -ne 1 ]; then
  echo "usage: $0 OUTPUT-FOLDER" >&2
  exit 2
fi
out="$1"
if ! command -v cmark-gfm >/dev/null; then
  echo "make-docs: cmark-gfm is missing (scripts/setup.sh installs it)" >&2
  exit 1
fi

mkdir -p "$out/guide_files"
title="$(sed -n '1s/^# //p' docs/guide.md | sed 's/ {#[a-z0-9-]*}$//; s/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g')"
{
  printf '<!DOCTYPE html>\n<html lang="ja">\n<head>\n'
  printf '<meta http-equiv="Content-Type" content="text/html; charset=utf-8">\n'
  printf '<meta http-equiv="X-UA-Compatible" content="IE=edge">\n'
  printf '<meta name="viewport" content="width=device-width, initial-scale=1">\n'
  printf '<title>%s</title>\n<style>\n' "$title"
  cat docs/guide.css
  printf '</style>\n</head>\n<body>\n'
  # The pictures sit beside the page in guide_files, apart from the image
  # folder the program makes for its captures.
  cmark-gfm --extension table --to html docs/guide.md |
    sed -e 's#src="images/#src="guide_files/#g' \
        -e 's#^<h\([1-6]\)>\(.*\) {\#\([a-z0-9-]*\)}</h\1>$#<h\1 id="\3">\2</h\1>#'
  printf '</body>\n</html>\n'
} > "$out/guide.html"
cp docs/images/*.png "$out/guide_files/"

# Written here as text with LF line ends; a stray CR would double up.
if grep -q $'\r' docs/readme.txt LICENSE; then
  echo "make-docs: docs/readme.txt or LICENSE has CR characters already" >&2
  exit 1
fi
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' docs/readme.txt; } > "$out/readme.txt"
sed 's/$/\r/' LICENSE > "$out/LICENSE.txt"
