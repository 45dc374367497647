#!/usr/bin/env bash
# screenshots.sh [BUILD_DIR]: retakes every picture of docs/ (docs/screenshots.md
# says what each shows) from a win32 build (default build/win32) under one
# Xvfb of 2560 x 1440 (the default desktop inside it is 1280 x 800).
# docs/skins-demo.png is skinlib/demo/shoot.sh's.
#   - the end-to-end tests of the layout and the notice window photograph the
#     program as they go (LORNEL_SCREENSHOTS);
#   - lornel.exe under LANG=en_US.UTF-8 (ANSI code page 1252), driven with xdotool;
#   - tools/skin_sheet.exe once per skin, montaged into a contact sheet.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win32}" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 2560x1440x24" "$0" "$build"
fi
export LORNEL_BUILD="$build"
. "$root/scripts/wine-env.sh"
"$root/scripts/wine-prefix.sh"
docs="$root/docs"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 256 colours without dithering keep the flat faces and the text crisp.
png() { convert "$1" -strip -dither None -colors 256 "PNG8:$2"; }

echo "== the program's panels and the notice window"
LORNEL_SCREENSHOTS="$work" wine "$build/tests/e2e/e2e_tests.exe" \
  --lornel="$build/bin/lornel.exe" --skinlib="$build/skinlib/SkinH_EL.dll" \
  --gtest_filter='Layout.*:Notice.*:ScoreMenu.*:Keyboard.EverySample*:QuestionExtras.*:Ranking.*:GroupDraw.*:Display.AChoiceQuestion*:Buzz.AFoul*:AllGroups.*:Countdown.Paused*:Lesson.AKilledRun*'
for name in main-cover main-board main-question main-round main-digits main-picture notice ranking-1280x800 group-draw \
  main-buzz-ready main-buzz main-marks countdown-paused resume-offer; do
  png "$work/$name.bmp" "$docs/$name.png"
done
png "$work/main-choice-default.bmp" "$docs/main-choice.png"
# The window with the score bar's menu, which reaches a little below the window.
convert "$work/score-menu.bmp" -crop 1203x788+38+12 +repage "$work/score-menu-window.bmp"
png "$work/score-menu-window.bmp" "$docs/score-menu.png"

echo "== the board and the notice on a 1024x768 projector and at 144 DPI"
for display in "1024x768 96" "2560x1440 144"; do
  set -- $display
  LORNEL_SCREENSHOTS="$work" "$root/scripts/wine-display.sh" "$1" "$2" \
    "$build/tests/e2e/e2e_tests.exe" --lornel="$build/bin/lornel.exe" \
    --skinlib="$build/skinlib/SkinH_EL.dll" --gtest_filter='Display.*'
  png "$work/main-$1-$2dpi.bmp" "$docs/main-$1-$2dpi.png"
  png "$work/notice-$1-$2dpi.bmp" "$docs/notice-$1-$2dpi.png"
done
png "$work/ranking-1024x768.bmp" "$docs/ranking-1024x768.png"
png "$work/main-choice-1024x768-96dpi.bmp" "$docs/main-choice-1024x768-96dpi.png"

echo "== full screen (F11) on a 1920x1080 projector, on a question"
LORNEL_SCREENSHOTS="$work" LORNEL_DISPLAY=1920x1080@96 "$root/scripts/wine-display.sh" 1920x1080 96 \
  "$build/tests/e2e/e2e_tests.exe" --lornel="$build/bin/lornel.exe" \
  --skinlib="$build/skinlib/SkinH_EL.dll" --gtest_filter='FullScreen.*'
png "$work/fullscreen-1920x1080.bmp" "$docs/fullscreen-1920x1080.png"
png "$work/fullscreen-picture-1920x1080.bmp" "$docs/fullscreen-picture-1920x1080.png"
png "$work/ranking-fullscreen-1920x1080.bmp" "$docs/ranking-fullscreen-1920x1080.png"

echo "== the board under en_US.UTF-8"
run="$work/en_US"
mkdir -p "$run"
cp "$build/bin/lornel.exe" "$root/examples/wtda.ini" "$run/"
(
  export LORNEL_LANG=en_US.UTF-8
  . "$root/scripts/wine-env.sh"
  cd "$run"
  exec wine lornel.exe
) >/dev/null 2>&1 &
pid=$!
window=
for _ in $(seq 150); do
  window=$(xdotool search --name "Lornel V1.1.15.823" 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "no main window under en_US" >&2; exit 1; }
sleep 2
# xwininfo's absolute corner (xdotool's counts the position twice without a window manager).
info=$(xwininfo -id "$window")
X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
WIDTH=$(awk '/Width:/ {print $2}' <<<"$info")
HEIGHT=$(awk '/Height:/ {print $2}' <<<"$info")
# The start button covers the window; the file is there, so one press opens the board.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
sleep 2
xdotool mousemove 1279 799
sleep 1
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/main-en_US.png"
png "$work/main-en_US.png" "$docs/main-en_US.png"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

echo "== the question editor and its preview of a choice question on a 1024x768 display"
LORNEL_SCREENSHOTS="$work" "$root/scripts/wine-display.sh" 1024x768 96 \
  "$build/tests/e2e/e2e_tests.exe" --lornel="$build/bin/lornel.exe" \
  --skinlib="$build/skinlib/SkinH_EL.dll" --gtest_filter='EditorChoice.*'
for name in editor editor-preview; do png "$work/$name.bmp" "$docs/$name.png"; done

echo "== the main window under each of the 33 skins"
# A library left beside the tool by an older build would not be rewritten.
rm -f "$build/tools/SkinH_EL.dll"
tiles=()
for n in $(seq 1 33); do
  nn=$(printf '%02d' "$n")
  timeout 90 wine "$build/tools/skin_sheet.exe" "$n" "$(winepath -w "$work/skin$nn.bmp")"
  tiles+=(-label "skin $nn" "$work/skin$nn.bmp")
done
font=$(fc-match -f "%{file}" sans 2>/dev/null || true)
montage "${tiles[@]}" ${font:+-font "$font"} -pointsize 16 -tile 6x -geometry 400x257+6+6 "$work/sheet.png"
png "$work/sheet.png" "$docs/skins-main.png"

wineserver -w || true
ls -l "$docs"/*.png
