#!/usr/bin/env bash
# release_test.sh VERSION E2E_TESTS.exe: packs this tree's programs as the
# release zip, checks the zip, unpacks it into an empty folder and plays one
# question from there in a Wine prefix of its own (a school's fresh PC has
# none of the build's prefix), with e2e_tests.exe --unpacked=DIR.
set -euo pipefail
version=$1 e2e=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
: "${LORNEL_BUILD:?the build tree}" "${WINEARCH:?win32 or win64}"
work="$LORNEL_BUILD/release-test"
rm -rf "$work"
mkdir -p "$work"
fail() { echo "release_test: $*" >&2; exit 1; }

bash "$root/scripts/package.sh" --tree "$(basename "$LORNEL_BUILD")" --out "$work" --no-build
zip="$work/Lornel-$version.zip"
[ -f "$zip" ] || fail "no $zip"
(cd "$work" && sha256sum -c --quiet "Lornel-$version.zip.sha256") || fail "the .sha256 does not match"

listing=$(LC_ALL=C.UTF-8 unzip -Z1 "$zip")
expected=$'lornel.exe\nlornel-editor.exe\nwtda.ini\n使用说明.txt\n图片/长江.jpg'
[ "$listing" = "$expected" ] || fail "the zip holds"$'\n'"$listing"
# Explorer shows the Chinese name right only with the UTF-8 flag (bit 11).
python3 - "$zip" <<'PY' || fail "使用说明.txt is not flagged UTF-8"
import sys, zipfile
info = zipfile.ZipFile(sys.argv[1]).getinfo("使用说明.txt")
sys.exit(0 if info.flag_bits & 0x800 else 1)
PY

unpacked="$work/Lornel-$version"
mkdir "$unpacked"
LC_ALL=C.UTF-8 unzip -q "$zip" -d "$unpacked"
cmp -s "$unpacked/图片/长江.jpg" "$root/examples/图片/长江.jpg" ||
  fail "the sample's picture is not in the unpacked folder"
guide="$unpacked/使用说明.txt"
# Notepad before Windows 10 needs the BOM to read UTF-8, and CR LF to break lines.
[ "$(head -c 3 "$guide" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "the guide has no BOM"
! grep -q $'[^\r]$\|^$' "$guide" || fail "the guide has a line without CR LF"
! grep -q '](\|!\[' "$guide" || fail "the guide keeps Markdown links or pictures"

export WINEPREFIX="$work/wineprefix"
. "$root/scripts/wine-env.sh"
"$root/scripts/wine-prefix.sh"
status=0
wine "$e2e" --gtest_filter='Release.*' --unpacked="$unpacked" || status=$?
wineserver -k 2>/dev/null || true
[ "$status" = 0 ] && rm -rf "$WINEPREFIX"
exit $status
