#!/usr/bin/env bash
# Creates the Wine prefix of the build tree once: a 32-bit prefix whose programs
# all run inside one virtual desktop (frames and title bars without a window manager).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
stamp="$WINEPREFIX/.lornel-ready"
[ -f "$stamp" ] && exit 0
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
REG
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1 || wine regedit "$reg" >/dev/null 2>&1
rm -f "$reg"
wineserver -w || true
touch "$stamp"
