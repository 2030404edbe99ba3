#!/usr/bin/env bash
# Runs a Windows program under Wine the way every test and script of the
# project does: the project's own prefix, a Japanese locale (so the ANSI code
# page is 932), no Wine debug chatter, and a private Xvfb display when none is
# set. The prefix is created and configured once, under a lock. A 32-bit
# program runs through Wine's 32-bit loader in the same kind of 64-bit prefix.
#
#   scripts/wine-run.sh [--prefix DIR] program.exe [args...]
#
# Where the kernel cannot execute 32-bit code, QEMU runs a 32-bit program
# once scripts/setup.sh has registered it (scripts/i386-emulation.sh); with
# no emulator either, the program is not run: the script says why in one
# line and exits with 77, which the tests report as skipped.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
prefix="${WINEPREFIX:-$here/../build/wineprefix}"
if [ "${1:-}" = "--prefix" ]; then prefix="$2"; shift 2; fi

WINE64="${WINE64:-/usr/lib/wine/wine64}"
WINE32="${WINE32:-/usr/lib/wine/wine}"
WINESERVER="${WINESERVER:-/usr/lib/wine/wineserver}"
[ -x "$WINE64" ] || WINE64="$(command -v wine64)"
[ -x "$WINESERVER" ] || WINESERVER="$(command -v wineserver)"

# The machine field of the program's PE header: 014c for i386, 8664 for x86-64.
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || return 0
  [ -n "$offset" ] && od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}

loader="$WINE64"
emulated=""
if [ "$(pe_machine "${1:?program.exe}")" = 014c ]; then
  loader="$WINE32"
  # Decided by running the 32-bit loader itself, not by the machine's name.
  if ! probe=$("$loader" --version 2>&1); then
    if [ ! -e "$loader" ]; then
      echo "wine-run: $loader is missing: run scripts/setup.sh" >&2
      exit 1
    fi
    echo "skipped: this kernel cannot execute 32-bit programs (${probe##*: }) and no emulator is registered for them (scripts/setup.sh registers one)"
    exit 77
  fi
  if [ "$(bash "$here/i386-emulation.sh" status)" = emulated ]; then
    emulated=1
    # The test programs' waits stretch with the emulator's pace.
    export PLOV_WAIT_SCALE="${PLOV_WAIT_SCALE:-8}"
    # A test says what it does under emulation (PLOV_EMULATED): "skip", or
    # the tests of it that run there. A program started by hand or by a
    # script just runs, slowly.
    case "${PLOV_EMULATED:-}" in
      "") ;;
      skip)
        echo "skipped: 32-bit code runs under emulation (QEMU) here, where only the end-to-end smoke set runs"
        exit 77 ;;
      *) set -- "$@" "--gtest_filter=$PLOV_EMULATED" ;;
    esac
  fi
fi

export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# PLOV_WINE_LOCALE: another locale, for a start on a system whose code page is
# not 932.
export LANG="${PLOV_WINE_LOCALE:-ja_JP.UTF-8}" LC_ALL="${PLOV_WINE_LOCALE:-ja_JP.UTF-8}"

# Without an X display Wine cannot create windows: give the run one of its own
# and shut Wine down before the display goes away.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    env PLOV_PRIVATE_DISPLAY=1 "$0" --prefix "$prefix" "$@"
fi

init_prefix() {
  mkdir -p "$prefix"
  (
    flock 9
    if [ ! -f "$prefix/.plov-ready" ]; then
      "$WINE64" wineboot -i >/dev/null 2>&1 || true
      "$WINESERVER" -w || true
      # Unmanaged windows (no window manager under Xvfb), no crash dialog,
      # Japanese fonts for the dialog font, no Mono/Gecko offers.
      reg="$prefix/plov-settings.reg"
      printf '%s\r\n' \
        'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashNotification"=dword:00000000' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' \
        '"MS PGothic"="IPAPGothic"' '"MS Gothic"="IPAGothic"' '"MS UI Gothic"="IPAPGothic"' \
        '"MS Shell Dlg"="IPAPGothic"' '"MS Shell Dlg 2"="IPAPGothic"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\DllOverrides]' '"mscoree"=""' '"mshtml"=""' '' \
        | iconv -f UTF-8 -t UTF-16 > "$reg"
      "$WINE64" regedit /S "$reg" >/dev/null 2>&1
      "$WINESERVER" -w || true
      touch "$prefix/.plov-ready"
    fi
    # Title bars draw their buttons with the symbol font Marlett. The Wine of
    # these machines does not find the fonts of its own data folder, so
    # without a copy in the prefix's Fonts folder the Japanese fallback font
    # draws the letters "0 1 r" instead. Checked on every run, so that a
    # prefix set up before this step gets the font too.
    fonts="$prefix/drive_c/windows/Fonts"
    if [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
      for data in "$(dirname "$WINE64")/../../share/wine" "$(dirname "$WINE64")/../share/wine"; do
        if [ -f "$data/fonts/marlett.ttf" ]; then
          cp "$data/fonts/marlett.ttf" "$fonts/marlett.ttf"
          break
        fi
      done
    fi
  ) 9>"$prefix.lock"
}

init_prefix

# PLOV_FILE_SIZE_LIMIT_KB: the program and its test stop growing any file at
# that size, as on a nearly full disk (the kernel's file size limit, its
# signal ignored so that the write fails instead). The Wine server, which
# keeps the prefix's registry, is started first, outside the limit.
if [ -n "${PLOV_FILE_SIZE_LIMIT_KB:-}" ]; then
  "$WINESERVER" -p5 >/dev/null 2>&1 || true
  trap '' XFSZ
  ulimit -f "$PLOV_FILE_SIZE_LIMIT_KB"
fi

rc=0
"$loader" "$@" || rc=$?
# Under emulation a death by a signal is QEMU's own (a Windows program that
# crashes ends through Wine with an exit code): said so, and tried once more.
if [ -n "$emulated" ] && [ "$rc" -gt 128 ]; then
  echo "wine-run: QEMU itself crashed (signal $((rc - 128))) running $(basename "$1"): the emulator failed, not a test; running it once more"
  rc=0
  "$loader" "$@" || rc=$?
  if [ "$rc" -gt 128 ]; then
    echo "wine-run: QEMU crashed again (signal $((rc - 128))): the emulator failed, not a test"
  fi
fi
if [ -n "${PLOV_PRIVATE_DISPLAY:-}" ]; then
  "$WINESERVER" -k >/dev/null 2>&1 || true
fi
exit $rc
