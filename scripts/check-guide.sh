#!/usr/bin/env bash
# Checks the player's documents:
# - every label that docs/guide.md and docs/readme.txt quote is a text of
#   the program (its resource script, key table or string literals), every
#   section they point to exists, every picture exists and has a caption,
#   and no line break splits Japanese text;
# - the documents as the release carries them (scripts/make-docs.sh): the
#   HTML page declares its character set and loads only the pictures beside
#   it, readme.txt has the byte-order mark, CR LF line ends and lines short
#   enough for Notepad.
# Prints each fault and exits 1 when there is any.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

status=0
python3 scripts/check_guide.py labels . || status=1

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
if bash scripts/make-docs.sh "$out"; then
  python3 scripts/check_guide.py built "$out" || status=1
else
  status=1
fi

[ "$status" = 0 ] && echo "check-guide: the guide's labels are the program's; guide.html and readme.txt read on Windows 7"
exit "$status"
