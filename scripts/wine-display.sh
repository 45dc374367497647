#!/usr/bin/env bash
# wine-display.sh WIDTHxHEIGHT DPI PROGRAM.exe [ARGS...]: runs a Windows program
# of the build under Wine on a virtual desktop of that size, with Wine telling
# programs that DPI; the prefix gets its own 1280x800 at 96 DPI back afterwards.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
size=$1 dpi=$2
shift 2
. "$here/wine-env.sh"
# The desktop must lie wholly on the X screen, or what tests read back from
# the screen beyond its edge is not what the program drew.
screen=$(xdpyinfo 2>/dev/null | awk '/dimensions:/ {print $2}' || true)
if [ -z "${DISPLAY:-}" ] || [ -z "$screen" ] || [ "${screen%x*}" -lt "${size%x*}" ] || [ "${screen#*x}" -lt "${size#*x}" ]; then
  exec env -u DISPLAY -u CTEST_RESOURCE_GROUP_0_WINE_LANE xvfb-run -a -s "-screen 0 ${size}x24" "$0" "$size" "$dpi" "$@"
fi
lock_wine_prefix
"$here/wine-prefix.sh" 9>&-
# The desktop and every process read these when they start: they are written
# into the stopped prefix's registry file (a `wine reg add` would start and
# end the prefix's whole session, twice per change).
display() {
  wineserver -k 9>&- 2>/dev/null || true
  wineserver -w 9>&- 2>/dev/null || true
  python3 "$here/wine-user-reg.py" "$WINEPREFIX" \
    'Control Panel\Desktop' LogPixels "$(printf 'dword:%08x' "$2")" \
    'Software\Wine\Explorer\Desktops' Default "\"$1\""
}
trap 'display 1280x800 96' EXIT
display "$size" "$dpi"
status=0
LORNEL_DISPLAY="$size@$dpi" wine "$@" 9>&- || status=$?
wineserver -k 9>&- 2>/dev/null || true
exit $status
