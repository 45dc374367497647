#!/usr/bin/env bash
# Draws the sample quiz's question picture (examples/图片/) from scratch with
# ImageMagick: a plain map of the Yangtze from the plateau to the sea. Run it
# by hand after changing the design; its output is committed.
#   resources/make-sample-pictures.sh [OUTPUT_DIR]   (default: examples/图片)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
out="${1:-$here/../examples/图片}"
mkdir -p "$out"
if [ -x /usr/bin/convert ]; then C=/usr/bin/convert; else C=convert; fi

# West to east: mountains in the west, the river winding to the sea on the right.
# Short line segments: this ImageMagick closes a stroked open path or polyline.
# $1..$4 = from and to, $5 = amplitude, $6 = half waves: a wavy line.
line() { python3 -c "import math,sys; a=[float(v) for v in sys.argv[1:]]; p=[
  (a[0]+(a[2]-a[0])*t/40, a[1]+(a[3]-a[1])*t/40+a[4]*math.sin(t/40*a[5]*math.pi)) for t in range(41)]
print(' '.join('line %d,%d %d,%d' % (p[i]+p[i+1]) for i in range(40)))" "$@"; }
river="$(line 30 120 640 240 55 3.2)"
north="$(line 300 205 370 80 12 1)"
south="$(line 440 262 500 350 -10 1)"
"$C" -size 640x360 gradient:'#E8DDB0-#CFE3B0' \
  -fill '#A9C8E8' -draw "rectangle 620,0 640,360" \
  -fill '#9C8A6A' -stroke '#6E5E44' -strokewidth 2 \
  -draw "polygon 0,90 40,30 80,80 120,20 170,95 0,95" \
  -draw "polygon 60,320 110,260 160,320" \
  -fill none -stroke '#2A6FC0' -strokewidth 5 -draw "$north" -draw "$south" \
  -strokewidth 14 -draw "$river" -stroke '#7FB2E8' -strokewidth 4 -draw "$river" \
  -interlace none -sampling-factor 2x2 -quality 85 -strip -type TrueColor "$out/长江.jpg"
ls -l "$out/长江.jpg"
