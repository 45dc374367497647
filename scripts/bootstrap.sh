#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Lornel needs.
# Safe to run again: each step checks first and does nothing when already done.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

need_update=0
updated=0
. "$(dirname "$0")/wine-tree.sh"

# Wine's 32-bit half needs the i386 architecture; a kernel that runs no 32-bit
# code gets none of it.
kernel32=0
if kernel_runs_32bit; then kernel32=1; fi
if [ "$kernel32" -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
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
  wine xvfb x11-utils xdotool imagemagick fonts-wqy-microhei fonts-noto-cjk fonts-arphic-gbsn00lp fonts-wine
  locales dpkg-dev python3 zip unzip unicode-data
)
# A mirror caught mid-sync fails an index ("File has unexpected size ... Mirror
# sync in progress?"); it is asked again a few times, then what did arrive serves.
apt_update() {
  local try log
  log=$(mktemp)
  for try in 1 2 3 4; do
    if $SUDO apt-get update -qq >"$log" 2>&1 && ! grep -q '^E:' "$log"; then
      rm -f "$log"
      return 0
    fi
    [ "$try" -eq 4 ] || sleep $((try * 3))
  done
  echo "bootstrap: the package index is incomplete after four tries; going on with what arrived:" >&2
  grep '^E:' "$log" | head -3 >&2 || true
  rm -f "$log"
}
install_missing() {
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if { [ "${#missing[@]}" -gt 0 ] && [ "$updated" -eq 0 ]; } || [ "$need_update" -eq 1 ]; then
    apt_update
    need_update=0
    updated=1
  fi
  if [ "${#missing[@]}" -gt 0 ]; then
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}
install_missing "${packages[@]}"

# The product is 32-bit: its tests run under the 32-bit Wine wherever it can be
# had. Where it cannot, the Windows tests run as a 64-bit build.
# A machine tries once a day (a try that fails costs half a minute of index
# downloads and retries, in every fresh clone); the log keeps why it could not.
failed_log="${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/lornel/wine32-failed.log"
if [ "$kernel32" -eq 1 ] && [ -z "${LORNEL_WINE_TREE:-}" ] && ! wine32_installed; then
  mkdir -p "$(dirname "$failed_log")"
  if [ -n "$(find "$failed_log" -mmin -1440 2>/dev/null)" ] ||
    ! install_missing wine32:i386 >"$failed_log" 2>&1; then
    echo "bootstrap: the 32-bit Wine could not be installed ($failed_log says why); the Windows tests run on the 64-bit build"
  else
    rm -f "$failed_log"
  fi
fi
. "$(dirname "$0")/wine-tree.sh"
if [ "$wine_tree" = win64 ]; then
  [ "$kernel32" -eq 1 ] || echo "bootstrap: this kernel runs no 32-bit programs; adding the 64-bit Windows build and Wine"
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
