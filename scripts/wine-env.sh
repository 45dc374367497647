# Sourced by the scripts that run Windows programs: one Wine prefix in the
# build tree, Chinese locale (ANSI code page 936), quiet Wine.
lornel_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
: "${LORNEL_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/win32}"
# A lane of scripts/test.sh (ctest resource "wine_lane", id xN) is a display :N
# and a prefix of its own, so that tests in different lanes run side by side.
if [ -n "${CTEST_RESOURCE_GROUP_0_WINE_LANE:-}" ]; then
  lornel_lane=${CTEST_RESOURCE_GROUP_0_WINE_LANE#id:}
  lornel_lane=${lornel_lane%%,*}
  export DISPLAY=:${lornel_lane#x}
  if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX="$LORNEL_BUILD/wineprefix-$lornel_lane"
    export LORNEL_PREFIX_TEMPLATE="$LORNEL_BUILD/wineprefix"
  fi
fi
export WINEPREFIX="${WINEPREFIX:-$LORNEL_BUILD/wineprefix}"
export WINEARCH="${WINEARCH:-win32}"
if [ "$WINEARCH" = win64 ]; then
  export PATH="$lornel_scripts/wine64:$PATH"
  export WINELOADER=/usr/lib/wine/wine64
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree=d;mshtml=d}"
export LANG="${LORNEL_LANG:-zh_CN.UTF-8}"
export LC_ALL="$LANG"
# The fonts the layout is drawn for (see scripts/wine/fonts.conf).
export FONTCONFIG_FILE="$lornel_scripts/wine/fonts.conf"
# Sourcing scripts that run tests hold this while they run: one test at a time
# per prefix, since a test's closing "wineserver -k" ends every program of
# its prefix. Wine's own processes get descriptor 9 closed (9>&-), so none
# that lingers keeps the lock.
lock_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
}

# wine_desktop WIDTHxHEIGHT DPI: the virtual desktop that the prefix's next
# session opens and the DPI Wine tells its programs, both read as the session
# starts. Written into the stopped prefix's user.reg (a `wine reg add` would
# start and end a whole session per change). Each run sets its own, so that
# none depends on what ran before it in the prefix.
wine_desktop() {
  wineserver -k 9>&- 2>/dev/null || true
  wineserver -w 9>&- 2>/dev/null || true
  python3 "$lornel_scripts/wine-user-reg.py" "$WINEPREFIX" \
    'Software\Wine\Explorer' Desktop '"Default"' \
    'Software\Wine\Explorer\Desktops' Default "\"$1\"" \
    'Control Panel\Desktop' LogPixels "$(printf 'dword:%08x' "$2")"
}
