#!/usr/bin/env bash
# A start on a system whose code page is not 932: under Wine the code page
# follows the locale of the process that the shell starts Wine with (a child
# started with CreateProcess keeps its parent's), so the program is started
# from here under C.UTF-8 (code page 1252), and the end-to-end test, under the
# Japanese locale, finds what it shows.
#
#   another_code_page.sh WINE_RUN PREFIX E2E_TESTS PLOVNIKAR
set -uo pipefail
run="$1" prefix="$2" tests="$3" program="$4"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/plovnikar.exe"
PLOV_WINE_LOCALE=C.UTF-8 "$run" --prefix "$prefix" "$folder/plovnikar.exe" &
started=$!
rc=0
PLOV_STARTED_UNDER_ANOTHER_CODE_PAGE=1 "$run" --prefix "$prefix" "$tests" "$program" \
  --gtest_filter='AnotherCodePageTest.*' || rc=$?
# The test closes the program; one it could not close does not outlive it.
for _ in $(seq 100); do kill -0 "$started" 2>/dev/null || break; sleep 0.1; done
kill "$started" 2>/dev/null
wait "$started" 2>/dev/null
exit $rc
