#!/usr/bin/env bash
# buzz.sh [BUILD]: bench_buzz.exe of a built Windows tree: two groups' keys 20
# and 5 ms apart, every core busy, on the sample quiz with every question
# buzz-in and no countdown.
#   BENCH_BUZZ_TRIES=100  tries of each gap
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export LORNEL_BUILD=${1:-$root/build/win64}
[ -x "$LORNEL_BUILD/bench/bench_buzz.exe" ] || { echo "no $LORNEL_BUILD/bench/bench_buzz.exe: build bench_buzz first" >&2; exit 2; }
case "$LORNEL_BUILD" in *win64*) export WINEARCH=win64 ;; esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$root/examples/wtda.ini" "$work/wtda.ini" <<'PY'
import sys
text = open(sys.argv[1], encoding="gbk", newline="").read()
assert "时间单位：秒=30" in text and "答题方式=指定" in text and "抢答时间=10" in text
text = text.replace("时间单位：秒=30", "时间单位：秒=0").replace("答题方式=指定", "答题方式=抢答")
text = text.replace("抢答时间=10", "抢答时间=0").replace("第十四题倒计时=45", "第十四题倒计时=0")
open(sys.argv[2], "w", encoding="gbk", newline="").write(text)
PY
cp "$LORNEL_BUILD/bench/bench_buzz.exe" "$work/"
echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(. "$root/scripts/wine-env.sh"; wine --version), load $(cut -d' ' -f1-3 /proc/loadavg)"
"$root/scripts/wine-run.sh" "$work/bench_buzz.exe" --tries="${BENCH_BUZZ_TRIES:-100}" 2>/dev/null | stdbuf -oL tr -d '\r'
