#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test PLOVNIKAR.
# Idempotent: when everything is present it only checks and returns.
# Wine's 32-bit loader is installed even where the kernel cannot execute
# 32-bit code: there it runs under QEMU's user-mode emulator.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 fonts-wine xvfb xauth x11-utils
  locales fonts-ipafont-gothic
  pulseaudio pulseaudio-utils
  imagemagick zip unzip cmark-gfm python3
  googletest libbenchmark-dev
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

# The shipped program is 32-bit: Wine runs it with its 32-bit loader, which
# comes from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: adding the i386 architecture"
  $SUDO dpkg --add-architecture i386
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine's ANSI code page is 932 only under a Japanese locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating ja_JP.UTF-8"
  if ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi
# Where the kernel cannot execute 32-bit code, QEMU runs Wine's 32-bit
# loader and the shipped program (scripts/i386-emulation.sh); elsewhere
# nothing is registered.
bash "$(dirname "${BASH_SOURCE[0]}")/i386-emulation.sh" enable ||
  echo "setup: no emulator could be registered for 32-bit programs; their tests will be skipped"
echo "setup: ready"
