#!/usr/bin/env bash
# Makes the release a school downloads: dist/Lornel-<version>.zip holding
# lornel.exe, lornel-editor.exe, the example wtda.ini and 使用说明.txt (the
# Chinese part of README.md as plain text), and Lornel-<version>.zip.sha256
# beside it. The same sources give the same zip, byte for byte.
#
#   scripts/package.sh [--tree win32|win64] [--out DIR] [--no-build]
#
# --tree picks the build tree whose programs are packed (win32, the product,
# by default); --no-build packs what that tree already holds, without setting
# the machine up or building (the release test runs it so).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tree=win32 out="$root/dist" build=1
while [ $# -gt 0 ]; do
  case $1 in
    --tree) tree=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --no-build) build=0; shift ;;
    *) echo "usage: $0 [--tree win32|win64] [--out DIR] [--no-build]" >&2; exit 2 ;;
  esac
done
bin="$root/build/$tree/bin"

if [ "$build" = 1 ]; then
  bash scripts/bootstrap.sh
  cmake --preset "$tree" >/dev/null
  cmake --build --preset "$tree" --target lornel lornel_editor_exe -j 2
fi

# The version is the one project() sets; CMake keeps it in the tree's cache.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "build/$tree/CMakeCache.txt" 2>/dev/null || true)
if [ -z "$version" ]; then
  echo "package: no configured tree in build/$tree (run without --no-build)" >&2
  exit 1
fi
for program in lornel.exe lornel-editor.exe; do
  [ -f "$bin/$program" ] || { echo "package: $bin/$program is missing" >&2; exit 1; }
done

name="Lornel-$version.zip"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$bin/lornel.exe" "$bin/lornel-editor.exe" examples/wtda.ini "$stage/"
cp -r examples/图片 "$stage/"  # the sample's question picture, beside wtda.ini as it names it
python3 scripts/user-guide.py README.md "$version" "$stage/使用说明.txt"

# Reproducible: fixed names, order and permissions, the last commit's time on
# every file, and no extra fields (-X: no Unix owner or extended time stamps).
# A zip keeps local time, so the zone is fixed too. Info-ZIP marks a non-ASCII name as UTF-8 (general purpose
# bit 11, which Explorer reads) only under a UTF-8 locale.
export TZ=UTC LC_ALL=C.UTF-8
chmod 644 "$stage"/*.* "$stage"/图片/*
chmod 755 "$stage"/图片
stamp=$(git log -1 --format=%cd --date=format-local:'%Y-%m-%d %H:%M:%S' 2>/dev/null || true)
touch -d "${stamp:-2000-01-01 00:00:00}" "$stage"/* "$stage"/图片/*
mkdir -p "$out"
rm -f "$out/$name" "$out/$name.sha256"
(cd "$stage" && zip -X -9 -q "$out/$name" lornel.exe lornel-editor.exe wtda.ini 使用说明.txt 图片/长江.jpg)
(cd "$out" && sha256sum "$name" > "$name.sha256")
echo "package: $out/$name"
cat "$out/$name.sha256"
