#!/usr/bin/env bash
# Checks the source tree's layout, which the build relies on:
# - no file under src/core includes a platform header (<windows.h> or any
#   other of the system's), since core is built natively too;
# - includes between folders of src/ go one way: no folder includes a
#   folder that includes it back, directly or through others;
# - nothing but the hub (src/app) includes the hub;
# - a feature folder includes core/, win/, res/ and its own files only: what
#   one feature means for another is the hub's to say;
# - a feature folder declares no interface for another to implement (no pure
#   virtual function): a feature tells the panel what happened by what it
#   answers and by the commands and messages the panel routes, never by
#   calling back into an object the panel hands it.
# Prints each breach and exits 1 when there is any.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"

status=0
platform='windows|commctrl|shellapi|shlobj|shlwapi|objbase|mmsystem|mmdeviceapi|endpointvolume|commdlg'
while IFS= read -r hit; do
  echo "check-layout: core includes a platform header: $hit"
  status=1
done < <(grep -rnE "^\s*#\s*include\s*<($platform)\.h>" core || true)

features="automation capture conceal launcher triggers tray"
while IFS= read -r hit; do
  echo "check-layout: a feature declares an interface for its host: $hit"
  status=1
done < <(grep -rnE '\)\s*(const\s*)?=\s*0\s*;' $features || true)

# Every file's folder (two levels deep under core/, one elsewhere) and the
# folders its project includes name.
folder_of() {
  case "$1" in
    core/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "$1" | cut -d/ -f1 ;;
  esac
}
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
while IFS= read -r file; do
  from=$(folder_of "$file")
  grep -hoE '^\s*#\s*include\s*"[^"]+"' "$file" | sed -E 's/.*"([^"]+)"/\1/' | while read -r included; do
    [ -e "$included" ] || continue
    to=$(folder_of "$included")
    [ "$from" = "$to" ] && continue
    echo "$from $to"
    if [ "$to" = app ]; then echo "HUB $file includes $included"; fi
    case " $features " in
      *" $from "*) case "$to" in core/* | win | res) ;; *) echo "FEATURE $file includes $included" ;; esac ;;
    esac
  done
done < <(find . -name '*.cpp' -o -name '*.h' -o -name '*.rc' -o -name '*.def' | sed 's|^\./||') | sort -u > "$edges"

while IFS= read -r line; do
  echo "check-layout: only the hub includes the hub: ${line#HUB }"
  status=1
done < <(grep '^HUB ' "$edges")

while IFS= read -r line; do
  echo "check-layout: a feature includes another feature: ${line#FEATURE }"
  status=1
done < <(grep '^FEATURE ' "$edges")

# tsort reports a loop in the folder graph.
if ! loops=$(grep -vE '^(HUB|FEATURE) ' "$edges" | tsort 2>&1 >/dev/null) || [ -n "$loops" ]; then
  echo "check-layout: folders include each other: $(echo "$loops" | tr '\n' ' ')"
  status=1
fi

[ "$status" = 0 ] && echo "check-layout: $(grep -vcE '^(HUB|FEATURE) ' "$edges") folder dependencies, one way; features include no other feature; core is platform-free"
exit "$status"
