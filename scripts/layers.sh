#!/usr/bin/env bash
# layers.sh [--check] [SOURCE_DIR]: the folder -> folder dependencies of the
# tree, read from its #include "..." lines.
#   without --check: the edges, then the product's as a Mermaid graph (the
#                    picture in docs/architecture.md is this output);
#   with --check:    fails when a folder includes one above it in the layer
#                    order, or a portable product folder includes <windows.h>.
set -uo pipefail
check=0
if [ "${1:-}" = "--check" ]; then check=1; shift; fi
cd "${1:-$(dirname "$0")/..}" || exit 2

# The layer order, lowest first. A folder may include its own files and those
# of folders of a lower rank; folders of one rank do not include each other.
rank_of() {
  case "$1" in
    platform | resources | skinlib) echo 0 ;;
    config) echo 1 ;;
    judging) echo 2 ;;
    ui | quiz/round) echo 3 ;;  # the Round: the game as a value, below its projection
    quiz | common) echo 4 ;;
    app | editor) echo 5 ;;  # the two programs: neither includes the other
    platform/win32 | resources/win32) echo 6 ;;
    ui/win32) echo 7 ;;
    common/win32) echo 8 ;;
    app/win32 | editor/win32) echo 9 ;;
    skinlib/format) echo 10 ;;
    skinlib/dll | skinlib/demo) echo 11 ;;
    tests/support | tests/contract | tests/win32/support) echo 12 ;;
    tests/unit) echo 13 ;;
    tests/*) echo 14 ;;
    tools | config/tools | judging/tools | judging/bench | bench) echo 15 ;;
    *) echo "" ;;
  esac
}
# Built natively too: they must not see Win32.
portable="platform resources config judging ui quiz quiz/round common app editor"

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.inc' |
    while read -r f; do [ -f "$f" ] && echo "$f"; done)
else
  mapfile -t files < <(find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) \
    -print | sed 's|^\./||' | sort)
fi

# "from to" per include of a file of ours. A folder is a file's directory;
# under tests/ the rig (tests/unit/app/x.cpp is in tests/unit), but a rig's
# support/ kit is a folder of its own.
folder_of='
  function folder(path,   d, n, part) {
    d = path; sub(/\/[^\/]*$/, "", d); if (d == path) d = "."
    if (d ~ /^tests\/[^\/]+\//) {
      n = split(d, part, "/")
      d = part[1] "/" part[2]
      if (part[3] == "support") d = d "/support"
    }
    return d
  }'
edges=$(grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+/[^"]+"' "${files[@]}" |
  awk -F'"' "$folder_of"'
    { file = $1; sub(/:.*/, "", file); inc = $2
      if ((getline line < inc) < 0) next  # a generated or third-party header
      close(inc)
      from = folder(file); to = folder(inc)
      if (from != to) print from, to }' | sort -u)

if [ "$check" -eq 0 ]; then
  echo "# folder -> folder (from the #include lines)"
  awk '{print $1 " -> " $2}' <<<"$edges"
  echo
  echo '```mermaid'
  echo '%% the product, bench and tools; the test rigs reach into nearly every folder'
  echo 'graph BT'
  awk '$1 !~ /^tests\// {a=$1; b=$2; gsub(/\//,"_",a); gsub(/\//,"_",b)
       print "  " a "[" $1 "] --> " b "[" $2 "]"}' <<<"$edges"
  echo '```'
  exit 0
fi

status=0
while read -r from to; do
  [ -n "$from" ] || continue
  rf=$(rank_of "$from") rt=$(rank_of "$to")
  if [ -z "$rf" ] || [ -z "$rt" ]; then
    echo "FAIL: $from -> $to: a folder without a place in the layer order (scripts/layers.sh)"
    status=1
  elif [ "$rt" -ge "$rf" ]; then
    echo "FAIL: $from includes $to, which is not below it in the layer order"
    status=1
  fi
done <<<"$edges"
for p in $portable; do
  for f in $(grep -lE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<windows\.h>' "$p"/*.cpp "$p"/*.h \
    2>/dev/null); do
    echo "FAIL: $f includes <windows.h>; only the win32/ folders may"
    status=1
  done
done
# lornel.exe's handler files (one per part of the window) never call each
# other, directly or round a loop: what two of them share lives in the quiz's
# own steps (quiz/play.h) or in the Round, and only app/'s dispatch includes them.
handlers="answer board buzz choice countdown countdown_control everyone groups keyboard
  picture_view ruling score_menu settings_check undo group_draw ranking"
for h in $handlers; do
  for f in $(grep -lE "^[[:space:]]*#[[:space:]]*include[[:space:]]+\"quiz/$h\.h\"" quiz/*.cpp quiz/*.h \
    quiz/round/*.cpp quiz/round/*.h 2>/dev/null); do
    [ "$f" = "quiz/$h.cpp" ] && continue
    echo "FAIL: $f includes quiz/$h.h, a handler file's; share through quiz/play.h or the Round"
    status=1
  done
done
[ "$status" -eq 0 ] && echo "$(wc -l <<<"$edges") folder dependencies of ${#files[@]} files, all downwards; no handler file of quiz/ calls another"
exit "$status"
