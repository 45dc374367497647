#!/usr/bin/env bash
# picture.sh [BUILD]: bench_picture.exe of a built Windows tree on a 4000 x 3000
# JPEG photo made here with ImageMagick (questions 1 to 3, beside the sample's
# picture of question 14), against question 4 without a picture.
#   BENCH_PICTURE_PROCESSES=2  processes, each with BENCH_PICTURE_SAMPLES=15 of each
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export LORNEL_BUILD=${1:-$root/build/win64}
[ -d "$LORNEL_BUILD/bench" ] || { echo "no $LORNEL_BUILD/bench: build bench_picture first" >&2; exit 2; }
case "$LORNEL_BUILD" in *win64*) export WINEARCH=win64 ;; esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/图片"
# A plasma fractal is as busy as a photo, so the JPEG is as large as one (a few MB).
convert -seed 7 -size 4000x3000 plasma:fractal -quality 90 "$work/图片/照片.jpg"
cp "$root/examples/图片/长江.jpg" "$work/图片/"
# The sample quiz with the photo on questions 1 to 3 and no countdown to answer.
python3 - "$root/examples/wtda.ini" "$work/wtda.ini" <<'PY'
import sys
text = open(sys.argv[1], encoding="gbk", newline="").read()
assert "[题目图片：]\r\n" in text and "时间单位：秒=30" in text
text = text.replace("时间单位：秒=30", "时间单位：秒=0")
photos = "".join(f"第{n}题图片=图片\\照片.jpg\r\n" for n in "一二三")
text = text.replace("[题目图片：]\r\n", "[题目图片：]\r\n" + photos)
open(sys.argv[2], "w", encoding="gbk", newline="").write(text)
PY
cp "$LORNEL_BUILD/bench/bench_picture.exe" "$work/"
echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(. "$root/scripts/wine-env.sh"; wine --version), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== photo: $(identify -format '%wx%h %b' "$work/图片/照片.jpg")"
for _ in $(seq "${BENCH_PICTURE_PROCESSES:-2}"); do
  "$root/scripts/wine-run.sh" "$work/bench_picture.exe" --samples="${BENCH_PICTURE_SAMPLES:-15}" 2>/dev/null |
    tr -d '\r'
done
