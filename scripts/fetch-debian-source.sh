#!/usr/bin/env bash
# fetch-debian-source.sh PACKAGE DEST: unpack Debian's source package PACKAGE into DEST.
# A copy already unpacked under build/ is reused, so the fetch happens once per tree.
set -euo pipefail
pkg=$1 dest=$2
if [ -f "$dest/CMakeLists.txt" ]; then exit 0; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -q "$pkg" >/dev/null 2>&1) || {
  echo "apt-get source $pkg failed: run scripts/bootstrap.sh (it adds the deb-src entry)" >&2
  exit 1
}
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "$pkg-*" | head -n 1)
rm -rf "$dest"
mkdir -p "$(dirname "$dest")"
cp -a "$src" "$dest"
