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
wine_desktop 1280x800 96
# LORNEL_SHARD=I/N runs the I-th of N parts of a gtest program, whole suites
# each. (Not gtest's own sharding: its variables would reach the child
# processes that some tests start with a filter of their own.)
# LORNEL_SHARD_WEIGHTS names a file of "Suite seconds" lines, measured: the
# parts are balanced by time, so that the lanes end together; a suite it
# does not name counts its cases at the file's mean time per case.
if [ -n "${LORNEL_SHARD:-}" ]; then
  weights=${LORNEL_SHARD_WEIGHTS:-/dev/null}
  [ -r "$weights" ] || weights=/dev/null
  suites=$(wine "$@" --gtest_list_tests 9>&- | tr -d '\r' | awk -v part="${LORNEL_SHARD%/*}" -v parts="${LORNEL_SHARD#*/}" '
    FILENAME != "-" { if ($1 !~ /^#/ && NF >= 2) seconds[$1] = $2; next }
    # (A suite whose cases lie in two files is listed twice: it goes to one part.)
    /^[^ ]+\.( |$)/ { suite = substr($1, 1, length($1) - 1); if (!(suite in cases)) order[++n] = suite; cases[suite] += 0; next }
    /^  [^ ]/ && suite != "" { cases[suite]++ }
    END {
      known = 0; known_cases = 0
      for (i = 1; i <= n; i++) if (order[i] in seconds) { known += seconds[order[i]]; known_cases += cases[order[i]] }
      per_case = known_cases ? known / known_cases : 1
      for (i = 1; i <= n; i++) weight[i] = order[i] in seconds ? seconds[order[i]] : cases[order[i]] * per_case
      # The heaviest suite left, in turn, to the part with the least so far.
      for (;;) {
        pick = 0
        for (i = 1; i <= n; i++) if (!taken[i] && (!pick || weight[i] > weight[pick])) pick = i
        if (!pick) break
        taken[pick] = 1
        best = 1
        for (p = 2; p <= parts; p++) if (load[p] < load[best]) best = p
        load[best] += weight[pick]
        if (best == part) printf "%s%s.*", (found++ ? ":" : ""), order[pick]
      }
    }' "$weights" -)
  [ -n "$suites" ] || { echo "wine-run.sh: no suites for part $LORNEL_SHARD" >&2; exit 1; }
  set -- "$@" --gtest_filter="$suites"
fi
# Wine's own processes (services, the desktop) would outlive the program and
# keep a pipe of its output open: the output goes to a file, shown once they
# are ended with the run.
# A program that starts on a virtual desktop whose explorer.exe has gone gets
# "BadWindow" in X_CreateWindow, and Xlib ends the whole test program, not one
# test. The tests no longer end the desktop (it is a child of the first program
# that showed a window); should anything else, such a run goes once more.
# So does one whose Wine process died of SIGSEGV (status 139): 32-bit Wine
# does that, seldom and under load, as the process ends after the last test.
# A fault in the program or the tests is Wine's exception instead (gtest
# reports it and the status is the program's), so it is never retried here.
output=$(mktemp)
for attempt in 1 2; do
  status=0
  wine "$@" 9>&- >"$output" 2>&1 || status=$?
  wineserver -k 9>&- 2>/dev/null || true
  cat "$output"
  [ "$status" -ne 0 ] && [ "$attempt" -eq 1 ] || break
  if grep -q '^X Error of failed request' "$output"; then
    echo "wine-run.sh: Wine lost its X window under the run (an X error ended it); running it once more"
  elif [ "$status" -eq 139 ]; then
    echo "wine-run.sh: Wine's process died of SIGSEGV (not an exception of the program); running it once more"
  else
    break
  fi
  wine_desktop 1280x800 96 2>/dev/null || true
done
rm -f "$output"
exit $status
