#!/usr/bin/env bash
# Creates the Wine prefix of the build tree once (32-bit, or 64-bit for a
# 64-bit tree): its programs all run inside one virtual desktop (frames and
# title bars without a window manager; scripts/wine-env.sh's wine_desktop).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
stamp="$WINEPREFIX/.lornel-ready-4"
[ -f "$stamp" ] && exit 0
# A lane's prefix starts as a copy of the tree's (a copy takes a moment, a new
# prefix many seconds of both cores).
template=${LORNEL_PREFIX_TEMPLATE:-}
if [ -n "$template" ] && [ -f "$template/.lornel-ready-4" ]; then
  rm -rf "$WINEPREFIX" "$WINEPREFIX.part"
  cp -a "$template" "$WINEPREFIX.part"
  mv "$WINEPREFIX.part" "$WINEPREFIX"
  exit 0
fi
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 || true
wineserver -w || true
# The settings go straight into the stopped prefix's user.reg, as Wine writes
# it (names beyond ASCII as \xNNNN). A regedit import, one more Wine session,
# once came back without having imported anything on a busy machine, and every
# lane then ran without its virtual desktop and fonts.
python3 "$here/wine-user-reg.py" "$WINEPREFIX" \
  'Software\Wine\WineDbg' ShowCrashDialog dword:00000000 \
  'Software\Wine\DllOverrides' winemenubuilder.exe '""' \
  'Software\Wine\Fonts\Replacements' SimSun '"AR PL SungtiL GB"' \
  'Software\Wine\Fonts\Replacements' '\x5b8b\x4f53' '"AR PL SungtiL GB"' \
  'Software\Wine\Fonts\Replacements' '\x5e7c\x5706' '"Noto Sans Mono CJK SC"'
wine_desktop 1280x800 96
# The frame's caption buttons are drawn with Marlett; this Wine build does not
# find its own copy, so the prefix gets one.
if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
touch "$stamp"
