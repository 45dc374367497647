# Sourced by the scripts that run Windows programs: one Wine prefix in the
# build tree, Chinese locale (ANSI code page 936), quiet Wine.
: "${LORNEL_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/win32}"
export WINEPREFIX="${WINEPREFIX:-$LORNEL_BUILD/wineprefix}"
export WINEARCH="${WINEARCH:-win32}"
if [ "$WINEARCH" = win64 ]; then
  export PATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:$PATH"
  export WINELOADER=/usr/lib/wine/wine64
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree=d;mshtml=d}"
export LANG="${LORNEL_LANG:-zh_CN.UTF-8}"
export LC_ALL="$LANG"
# The fonts the layout is drawn for (see scripts/wine/fonts.conf).
export FONTCONFIG_FILE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine/fonts.conf"
