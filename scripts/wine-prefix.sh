#!/usr/bin/env bash
# Creates the Wine prefix of the build tree once (32-bit, or 64-bit for a
# 64-bit tree): its programs all run inside one virtual desktop (frames and
# title bars without a window manager).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
stamp="$WINEPREFIX/.lornel-ready-3"
[ -f "$stamp" ] && exit 0
# A lane's prefix starts as a copy of the tree's (a copy takes a moment, a new
# prefix many seconds of both cores).
template=${LORNEL_PREFIX_TEMPLATE:-}
if [ -n "$template" ] && [ -f "$template/.lornel-ready-3" ]; then
  rm -rf "$WINEPREFIX" "$WINEPREFIX.part"
  cp -a "$template" "$WINEPREFIX.part"
  mv "$WINEPREFIX.part" "$WINEPREFIX"
  exit 0
fi
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 || true
wineserver -w || true
reg=$(mktemp --suffix=.reg)
cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x800"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="AR PL SungtiL GB"
"宋体"="AR PL SungtiL GB"
"幼圆"="Noto Sans Mono CJK SC"
REG
# regedit reads non-ASCII names only from a UTF-16 file.
iconv -f UTF-8 -t UTF-16 "$reg" > "$reg.utf16"
wine regedit /S "$(winepath -w "$reg.utf16")" >/dev/null 2>&1
rm -f "$reg" "$reg.utf16"
wineserver -w || true
# The frame's caption buttons are drawn with Marlett; this Wine build does not
# find its own copy, so the prefix gets one.
if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
touch "$stamp"
