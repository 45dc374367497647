#!/usr/bin/env bash
# The question pictures the Windows tests decode: 60 x 30, red on the left
# half, blue on the right; the GIF's second frame is green (only the first shows).
set -euo pipefail
cd "$(dirname "$0")"
halves=(-size 30x30 xc:'#FF0000' -size 30x30 xc:'#0000FF' +append +repage)
convert "${halves[@]}" -quality 95 -sampling-factor 1x1 halves.jpg
convert "${halves[@]}" -define png:color-type=2 halves.png
convert "${halves[@]}" -type truecolor BMP3:halves.bmp
convert \( "${halves[@]}" \) \( -size 60x30 xc:'#00FF00' \) -loop 0 -set delay 50 halves.gif
head -c 200 halves.jpg > truncated.jpg
{ printf 'XPNG\r\n\032\n'; tail -c +9 halves.png; } > wrong-header.png
printf 'x' > one-byte.png
