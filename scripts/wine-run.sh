#!/usr/bin/env bash
# wine-run.sh PROGRAM.exe [ARGS...]: runs a Windows program of the build under
# Wine in the build's prefix; starts a private Xvfb when there is no display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ] && [ -z "${CTEST_RESOURCE_GROUP_0_WINE_LANE:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
. "$here/wine-env.sh"
lock_wine_prefix
"$here/wine-prefix.sh" 9>&-
# Wine's own processes (services, the desktop) would outlive the program and
# keep the caller's output open (ctest waits for it): end them with the run.
status=0
wine "$@" 9>&- || status=$?
wineserver -k 9>&- 2>/dev/null || true
exit $status
