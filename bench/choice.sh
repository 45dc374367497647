#!/usr/bin/env bash
# choice.sh [BUILD]: bench_choice.exe of a built Windows tree on the sample
# quiz with no countdown: its choice question 9 opened against its typed
# question 3, both from the keyboard on screen.
#   BENCH_CHOICE_PROCESSES=2  processes, each with BENCH_CHOICE_SAMPLES=15 of each
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export LORNEL_BUILD=${1:-$root/build/win64}
[ -d "$LORNEL_BUILD/bench" ] || { echo "no $LORNEL_BUILD/bench: build bench_choice first" >&2; exit 2; }
case "$LORNEL_BUILD" in *win64*) export WINEARCH=win64 ;; esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$root/examples/wtda.ini" "$work/wtda.ini" <<'PY'
import sys
text = open(sys.argv[1], encoding="gbk", newline="").read()
assert "时间单位：秒=30" in text
open(sys.argv[2], "w", encoding="gbk", newline="").write(text.replace("时间单位：秒=30", "时间单位：秒=0"))
PY
cp "$LORNEL_BUILD/bench/bench_choice.exe" "$work/"
echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(. "$root/scripts/wine-env.sh"; wine --version), load $(cut -d' ' -f1-3 /proc/loadavg)"
for _ in $(seq "${BENCH_CHOICE_PROCESSES:-2}"); do
  "$root/scripts/wine-run.sh" "$work/bench_choice.exe" --samples="${BENCH_CHOICE_SAMPLES:-15}" 2>/dev/null |
    tr -d '\r'
done
