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
# LORNEL_SHARD=I/N runs the I-th of N parts of a gtest program, whole suites
# each. (Not gtest's own sharding: its variables would reach the child
# processes that some tests start with a filter of their own.)
if [ -n "${LORNEL_SHARD:-}" ]; then
  suites=$(wine "$@" --gtest_list_tests 9>&- | tr -d '\r' | awk -v part="${LORNEL_SHARD%/*}" -v parts="${LORNEL_SHARD#*/}" '
    /^[^ ]+\.( |$)/ { suite = substr($1, 1, length($1) - 1); order[++n] = suite; next }
    /^  [^ ]/ && suite != "" { cases[suite]++ }
    END {
      # Each suite, in order, to the part with the fewest cases so far.
      for (i = 1; i <= n; i++) {
        best = 1
        for (p = 2; p <= parts; p++) if (load[p] < load[best]) best = p
        load[best] += cases[order[i]]
        if (best == part) printf "%s%s.*", (found++ ? ":" : ""), order[i]
      }
    }')
  [ -n "$suites" ] || { echo "wine-run.sh: no suites for part $LORNEL_SHARD" >&2; exit 1; }
  set -- "$@" --gtest_filter="$suites"
fi
# Wine's own processes (services, the desktop) would outlive the program and
# keep the caller's output open (ctest waits for it): end them with the run.
status=0
wine "$@" 9>&- || status=$?
wineserver -k 9>&- 2>/dev/null || true
exit $status
