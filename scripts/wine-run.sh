#!/usr/bin/env bash
# wine-run.sh PROGRAM.exe [ARGS...]: runs a Windows program of the build under
# Wine in the build's prefix; starts a private Xvfb when there is no display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
. "$here/wine-env.sh"
"$here/wine-prefix.sh"
exec wine "$@"
