#!/usr/bin/env bash
# shoot.sh BUILD_DIR OUT_DIR [SKIN...]: screenshots of the demo window under each
# skin (default: all 33), one message box shot for skins 1 and 12, and a contact
# sheet of all of them (OUT_DIR/contact.png; contact-small.png is docs/skins-demo.png).
# SCALE=1500 lays the window out 1.5 times larger; the skin's measures follow.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
shift 2
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build" "$out" "$@"
fi
export LORNEL_BUILD="$build"
. "$root/scripts/wine-env.sh"
"$root/scripts/wine-prefix.sh"
demo="$build/skinlib/skin_demo.exe"
skins=("$@")
scale_args=()
crop=728x470
if [ -n "${SCALE:-}" ]; then
  scale_args=(--scale "$SCALE")
  crop="$(((728 * SCALE + 999) / 1000))x$(((470 * SCALE + 999) / 1000))"
fi
[ "${#skins[@]}" -gt 0 ] || skins=($(seq -w 1 33))

shot() {  # shot NAME ARGS...: run the demo, photograph the desktop's top-left corner
  local name=$1
  shift
  wine "$demo" "$@" "${scale_args[@]}" --hold 4000 &
  local pid=$!
  sleep 2.5
  import -window root -crop "${CROP:-$crop+0+0}" +repage "$out/$name.png"
  wait "$pid" || true
}

for n in "${skins[@]}"; do
  n=$(printf '%02d' "$((10#$n))")
  shot "skin$n" "$(winepath -w "$build/skinlib/skins/skin$n.she")"
done
for n in 01 12; do
  CROP=1000x640+0+0 shot "msgbox$n" "$(winepath -w "$build/skinlib/skins/skin$n.she")" --msgbox
done
if [ "${#skins[@]}" -eq 33 ]; then
  args=()
  for n in $(seq -w 1 33); do args+=(-label "skin $n" "$out/skin$n.png"); done
  font=$(fc-match -f "%{file}" sans 2>/dev/null || true)
  montage "${args[@]}" ${font:+-font "$font"} -tile 6x -geometry 364x235+6+6 -pointsize 14 "$out/contact.png"
  # The copy kept in docs/: smaller, 256 colours are enough for the sheet.
  convert "$out/contact.png" -resize 1800x -strip -colors 256 "PNG8:$out/contact-small.png"
fi
wineserver -w || true
