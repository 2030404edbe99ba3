#!/usr/bin/env bash
# Where the kernel cannot execute 32-bit code (its log says "IA-32 emulation
# off"), Debian's user-mode emulator runs i386 programs instead: QEMU,
# registered with the kernel's binfmt_misc for i386 ELF files. The flag F
# opens the emulator at registration, so every 32-bit program runs through
# it, also those that Wine starts itself. Where the kernel runs 32-bit code,
# nothing is installed or registered.
#
# The emulator comes from Debian's bookworm-backports (package qemu-user,
# QEMU 10): bookworm's own QEMU 7.2 keeps track of the guest's memory page
# by page, and spends about 90 s of processor time starting any Wine
# program, against half a second for QEMU 10.
#
#   scripts/i386-emulation.sh status    prints native, emulated or refused
#   scripts/i386-emulation.sh enable    registers the emulator when the
#                                       kernel refuses 32-bit code (root)
#   scripts/i386-emulation.sh disable   takes the registration away again
#   scripts/i386-emulation.sh remove    and the package and its source too
#
# PLOV_FORCE_I386_EMULATION=1 with enable registers the emulator even where
# the kernel runs 32-bit code, to try the emulated test run on such a
# machine; disable undoes it.
set -uo pipefail

WINE32="${WINE32:-/usr/lib/wine/wine}"
QEMU=/usr/bin/qemu-i386
backports=/etc/apt/sources.list.d/plovnikar-bookworm-backports.sources
binfmt=/proc/sys/fs/binfmt_misc
entry="$binfmt/qemu-i386"
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

# The addresses this machine's own entry for Debian bookworm uses (a mirror
# or a proxy of its own, perhaps), from the one-line or the deb822 form of
# its apt sources; backports lives beside bookworm on every Debian mirror.
debian_uris() {
  local files=()
  [ -f /etc/apt/sources.list ] && files+=(/etc/apt/sources.list)
  for f in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && [ "$f" != "$backports" ] && files+=("$f")
  done
  [ ${#files[@]} -gt 0 ] || return 0
  awk '
    function flush() {
      if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ / bookworm / && uris != "" && !done) {
        print uris; done = 1
      }
      types = ""; suites = ""; uris = ""
    }
    FNR == 1 { flush() }
    FILENAME ~ /\.sources$/ {
      if ($0 ~ /^[ \t]*$/) { flush(); next }
      if ($0 ~ /^[ \t]*#/) next
      line = $0; key = tolower(line); sub(/:.*/, "", key)
      value = line; sub(/^[^:]*:[ \t]*/, "", value)
      if (key == "types") types = value
      else if (key == "suites") suites = value
      else if (key == "uris") uris = value
      next
    }
    /^[ \t]*deb[ \t]/ && !done {
      n = split($0, f, /[ \t]+/); i = 2
      if (f[i] ~ /^\[/) { while (i <= n && f[i] !~ /\]$/) i++; i++ }
      if (f[i + 1] == "bookworm") { print f[i]; done = 1 }
    }
    END { flush() }
  ' "${files[@]}" | head -1
}

registered() { [ -f "$entry" ] && head -1 "$entry" | grep -qx enabled; }

status() {
  if registered; then
    echo emulated
  elif "$WINE32" --version >/dev/null 2>&1; then
    echo native
  else
    echo refused
  fi
}

enable() {
  registered && return 0
  if [ -z "${PLOV_FORCE_I386_EMULATION:-}" ] && "$WINE32" --version >/dev/null 2>&1; then
    return 0
  fi
  if [ ! -x "$QEMU" ]; then
    echo "i386-emulation: installing qemu-user from bookworm-backports"
    if [ ! -f "$backports" ]; then
      local uris
      uris=$(debian_uris)
      if [ -z "$uris" ]; then
        echo "i386-emulation: no Debian bookworm source in this machine's apt sources to take backports from" >&2
        return 1
      fi
      printf '%s\n' 'Types: deb' "URIs: $uris" 'Suites: bookworm-backports' \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
        $SUDO tee "$backports" >/dev/null
    fi
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null || return 1
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
      -t bookworm-backports qemu-user >/dev/null || return 1
  fi
  if [ ! -e "$binfmt/register" ]; then
    $SUDO mount -t binfmt_misc binfmt_misc "$binfmt" || return 1
  fi
  # Debian's package leaves i386 out on amd64 machines, where the kernel
  # normally runs it: the registration is made here, as QEMU's own script
  # writes it (32-bit little-endian ELF, executable or shared object, i386).
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo "i386-emulation: registering $QEMU for i386 programs"
  printf '%s' ":qemu-i386:M::$magic:$mask:$QEMU:F" | $SUDO tee "$binfmt/register" >/dev/null || return 1
  registered
}

disable() {
  if [ -f "$entry" ]; then
    echo -1 | $SUDO tee "$entry" >/dev/null
  fi
}

# Also takes the package and the backports source away.
remove() {
  disable
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q qemu-user >/dev/null 2>&1 || true
  $SUDO rm -f "$backports"
}

case "${1:-status}" in
  status) status ;;
  enable) enable ;;
  disable) disable ;;
  remove) remove ;;
  *) echo "usage: $0 status|enable|disable|remove" >&2; exit 2 ;;
esac
