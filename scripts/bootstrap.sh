#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Lornel needs.
# Safe to run again: each step checks first and does nothing when already done.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

need_update=0

# Wine's 32-bit half needs the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=1
fi

# libjpeg-turbo is cross-built from Debian's source package, so apt needs deb-src.
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      | $SUDO tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
  else
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
      | $SUDO tee /etc/apt/sources.list.d/debian-src.list >/dev/null
  fi
  need_update=1
fi

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
  googletest libjpeg-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  wine wine32:i386 xvfb x11-utils xdotool imagemagick fonts-wqy-microhei fonts-noto-cjk fonts-arphic-gbsn00lp fonts-wine
  locales dpkg-dev python3 zip unzip unicode-data
)
install_missing() {
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if [ "${#missing[@]}" -gt 0 ] || [ "$need_update" -eq 1 ]; then
    $SUDO apt-get update -qq
    need_update=0
  fi
  if [ "${#missing[@]}" -gt 0 ]; then
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}
install_missing "${packages[@]}"

# Where the kernel runs no 32-bit code, the Windows tests run as a 64-bit build.
. "$(dirname "$0")/wine-tree.sh"
if [ "$wine_tree" = win64 ]; then
  echo "bootstrap: this kernel runs no 32-bit programs; adding the 64-bit Windows build and Wine"
  install_missing g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
    binutils-mingw-w64-x86-64 wine64
fi

# Wine gives code page 936 only with a zh_CN locale present.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  $SUDO localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || true
fi
# The English locale is used to show that texts do not depend on the ANSI code page.
if ! locale -a 2>/dev/null | grep -qi '^en_US\.utf-\?8$'; then
  $SUDO localedef -i en_US -f UTF-8 en_US.UTF-8 || true
fi
echo "bootstrap: all packages present"
