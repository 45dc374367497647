#!/usr/bin/env bash
# wine-display.sh WIDTHxHEIGHT DPI PROGRAM.exe [ARGS...]: runs a Windows program
# of the build under Wine on a virtual desktop of that size, with Wine telling
# programs that DPI (scripts/wine-env.sh's wine_desktop); the prefix gets its
# own 1280x800 at 96 DPI back afterwards, for whatever runs Wine in it directly.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
size=$1 dpi=$2
shift 2
. "$here/wine-env.sh"
# The desktop must lie wholly on the X screen, or what tests read back from
# the screen beyond its edge is not what the program drew. Without a screen
# that holds it, the run gets an X server of its own (in its lane's prefix).
screen=$(xdpyinfo 2>/dev/null | awk '/dimensions:/ {print $2}' || true)
own_xvfb=""
if [ -z "${DISPLAY:-}" ] || [ -z "$screen" ] || [ "${screen%x*}" -lt "${size%x*}" ] || [ "${screen#*x}" -lt "${size#*x}" ]; then
  . "$here/xvfb.sh"
  new_xvfb "${size}x24"
  own_xvfb=$xvfb_pid
  trap 'kill "$own_xvfb"' EXIT
  [ "$xvfb_display" != : ] || { echo "wine-display.sh: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=$xvfb_display
fi
lock_wine_prefix
"$here/wine-prefix.sh" 9>&-
trap 'wine_desktop 1280x800 96; [ -z "$own_xvfb" ] || kill "$own_xvfb"' EXIT
wine_desktop "$size" "$dpi"
status=0
LORNEL_DISPLAY="$size@$dpi" wine "$@" 9>&- || status=$?
wineserver -k 9>&- 2>/dev/null || true
exit $status
