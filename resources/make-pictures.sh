#!/usr/bin/env bash
# Draws the window icon and the three pictures of the program from scratch with
# ImageMagick and the CJK fonts of scripts/bootstrap.sh. Run it by hand after
# changing a design; its outputs are committed and the build never runs it.
#   resources/make-pictures.sh [OUTPUT_DIR]   (default: the folder of this script)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
out="${1:-$here}"
mkdir -p "$out"

# The real ImageMagick, not a wrapper earlier in PATH.
if [ -x /usr/bin/convert ]; then C=/usr/bin/convert; else C=convert; fi
# Noto's SC face draws simplified characters with mainland shapes; the file is the fallback.
font=Noto-Sans-CJK-SC-Bold
if ! "$C" -list font | grep -q "Font: $font\$"; then
  font=/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Baseline JFIF colour, 4:2:0, no metadata: what the program's decoder expects.
jpeg_opts=(-interlace none -sampling-factor 2x2 -quality 90 -strip -type TrueColor)

# $1 = mask (white shape on black), $2 = colour, $3 = output: the shape in that colour.
shape() { "$C" "$1" -background "$2" -alpha shape "$3"; }
# $1 = fill picture, $2 = mask, $3 = output: the fill cut out along the mask.
cut() { "$C" "$1" "$2" -alpha off -compose CopyOpacity -composite "$3"; }

# --- Window icon: a white speech bubble with a purple question mark on a green board. ---
# Full-bleed square (the PNG has no alpha); shapes stay fat so that 16 px reads.
# Every colour has red = blue: Wine 8 swaps red and blue of 24-bit PNG icons, and
# so the icon looks the same there as on Windows.
make_icon() {
  "$C" -size 256x256 gradient:'#44A644-#1C5E1C' \
    -fill '#0E3E0E' -draw "roundrectangle 28,26 238,204 46,46" -draw "polygon 70,190 50,250 130,196" \
    -fill white -draw "roundrectangle 20,18 230,196 46,46" -draw "polygon 62,182 42,242 122,188" \
    -font "$font" -pointsize 168 -gravity center \
    -fill '#A42CA4' -stroke '#5C0E5C' -strokewidth 8 -annotate +0-24 '?' \
    -strip -define png:color-type=2 -define png:bit-depth=8 \
    -define png:exclude-chunks=date,time PNG24:"$work/icon.png"
  # ICONDIR + one ICONDIRENTRY (0 x 0 means 256 x 256, 24 bits) + the PNG.
  python3 - "$work/icon.png" "$out/lornel.ico" <<'EOF'
import struct, sys
png = open(sys.argv[1], "rb").read()
assert png[:8] == b"\x89PNG\r\n\x1a\n" and png[24] == 8 and png[25] == 2, "need an 8-bit RGB PNG"
head = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 24, len(png), 6 + 16)
open(sys.argv[2], "wb").write(head + png)
EOF
}

# --- Answer cover: grey scratch-card coating with thin curves and 刮涂层 也没用. ---
make_answer_cover() {
  local w=1018 h=192 text='刮涂层 也没用'
  local curves
  curves="$(python3 - "$w" "$h" <<'EOF'
import random, sys
w, h = int(sys.argv[1]), int(sys.argv[2])
r = random.Random(5)  # fixed seed: the same curves every run
n = 28
print("fill none stroke-linecap round")
for i in range(n):
    print("stroke '%s'" % ("#D8D8D8" if i % 4 == 3 else "#999999"))
    print("stroke-width %.2f" % r.uniform(1.0, 2.0))
    x0 = (i + r.uniform(-0.5, 0.5)) * w / n - 120
    y0 = r.uniform(0, h)
    x3, y3 = x0 + r.uniform(220, 480), r.uniform(0, h)
    c1 = (x0 + r.uniform(40, 200), r.uniform(-h * 0.6, h * 1.6))
    c2 = (x3 - r.uniform(40, 200), r.uniform(-h * 0.6, h * 1.6))
    print("path 'M %.1f,%.1f C %.1f,%.1f %.1f,%.1f %.1f,%.1f'" % (x0, y0, *c1, *c2, x3, y3))
EOF
)"
  # Light above-left and dark below-right of the letters: pressed into the coating.
  "$C" -size ${w}x${h} gradient:'#C8C8C8-#B8B8B8' -seed 11 -attenuate 0.3 +noise Gaussian -blur 0x0.5 \
    -draw "$curves" \
    -font "$font" -pointsize 136 -gravity center \
    -fill '#DADADA' -annotate -2-2 "$text" -fill '#808080' -annotate +2+2 "$text" \
    -fill '#4C4C4C' -annotate +0+0 "$text" \
    "${jpeg_opts[@]}" "$out/answer_cover.jpg"
}

# --- Notice picture: a big blue striped bubble and a small white one with three dots. ---
make_notice_bubbles() {
  local w=400 h=300 d="$work/bubbles"
  mkdir -p "$d"
  local big="ellipse 170,120 140,92 0,360 polygon 78,178 48,262 150,202"
  local small="ellipse 298,212 70,47 0,360 polygon 326,236 372,282 298,250"
  local stripes
  stripes="$(python3 -c "
print('fill rgba(255,255,255,0.22) stroke none')
for k in range(-12, 20):
    x = k * 34
    print('polygon %d,0 %d,0 %d,300 %d,300' % (x, x + 15, x - 105, x - 120))
")"
  # Gloss: white over the top of an ellipse, fading out downwards ($5..$6 = fade rows).
  gloss() {
    "$C" -size ${w}x${h} xc:black -fill white -draw "ellipse $1,$2 $3,$4 0,360" \
      \( -size ${w}x"$5" xc:white -size ${w}x$(($6 - $5)) gradient:white-black \
         -size ${w}x$((h - $6)) xc:black -append \) \
      -compose Multiply -composite -evaluate multiply "$7" -blur 0x1.5 \
      -background white -alpha shape "$8"
  }
  "$C" -size ${w}x${h} xc:black -fill white -draw "$big" "$d/big_mask.png"
  "$C" -size ${w}x${h} xc:black -fill white -draw "$small" "$d/small_mask.png"
  gloss 170 84 118 54 60 136 0.8 "$d/big_gloss.png"
  gloss 298 192 54 24 176 214 0.9 "$d/small_gloss.png"
  "$C" -size ${w}x${h} gradient:'#86CBFC-#1450B0' -draw "$stripes" "$d/big_gloss.png" -composite \
    "$d/big_fill.png"
  cut "$d/big_fill.png" "$d/big_mask.png" "$d/big.png"
  "$C" -size ${w}x${h} gradient:'#FFFFFF-#BFC6D0' -fill '#56657A' \
    -draw "circle 268,214 268,225 circle 298,214 298,225 circle 328,214 328,225" \
    "$d/small_gloss.png" -composite "$d/small_fill.png"
  cut "$d/small_fill.png" "$d/small_mask.png" "$d/small.png"
  "$C" "$d/big_mask.png" -morphology Dilate Disk:3 "$d/big_rim_mask.png"
  "$C" "$d/small_mask.png" -morphology Dilate Disk:3 "$d/small_rim_mask.png"
  shape "$d/big_rim_mask.png" '#0D3D8C' "$d/big_rim.png"
  shape "$d/small_rim_mask.png" '#7A8594' "$d/small_rim.png"
  "$C" "$d/big_rim_mask.png" "$d/small_rim_mask.png" -compose Lighten -composite \
    -blur 0x6 -evaluate multiply 0.6 -roll +7+9 "$d/shadow_mask.png"
  shape "$d/shadow_mask.png" black "$d/shadow.png"
  "$C" -size ${w}x${h} gradient:'#E8E8E8-#C6C6C6' \
    "$d/shadow.png" -composite "$d/big_rim.png" -composite "$d/big.png" -composite \
    "$d/small_rim.png" -composite "$d/small.png" -composite \
    "${jpeg_opts[@]}" "$out/notice_bubbles.jpg"
}

# --- Notice sign: a grey ring around a light-blue italic i on white. ---
# The i is drawn, not typed: the CJK fonts have no italic, and a fat stem reads at 32 px.
make_notice_info() {
  local s=626 d="$work/info"
  mkdir -p "$d"
  local i="circle 340,180 340,234
push graphic-context translate 313,313 skewX -14 translate -313,-313
roundrectangle 272,262 358,472 18,18
roundrectangle 232,262 330,304 14,14
roundrectangle 300,430 398,472 14,14
pop graphic-context"
  "$C" -size ${s}x${s} xc:black -fill white -draw "$i" "$d/i_mask.png"
  "$C" -size ${s}x${s} gradient:'#A9DBFF-#3F93DA' "$d/i_fill.png"
  cut "$d/i_fill.png" "$d/i_mask.png" "$d/i.png"
  "$C" "$d/i_mask.png" -morphology Dilate Disk:4 "$d/i_rim_mask.png"
  shape "$d/i_rim_mask.png" '#2E74B5' "$d/i_rim.png"
  "$C" -size ${s}x${s} xc:black -fill white -draw "circle 313,313 313,18" \
    -fill black -draw "circle 313,313 313,66" "$d/ring_mask.png"
  "$C" -size ${s}x${s} gradient:'#BDBDBD-#6F6F6F' "$d/ring_fill.png"
  cut "$d/ring_fill.png" "$d/ring_mask.png" "$d/ring.png"
  "$C" -size ${s}x${s} xc:white "$d/ring.png" -composite "$d/i_rim.png" -composite \
    "$d/i.png" -composite "${jpeg_opts[@]}" "$out/notice_info.jpg"
}

make_icon
make_answer_cover
make_notice_bubbles
make_notice_info
for f in lornel.ico answer_cover.jpg notice_bubbles.jpg notice_info.jpg; do
  printf '%-20s %7d bytes\n' "$f" "$(stat -c %s "$out/$f")"
done
