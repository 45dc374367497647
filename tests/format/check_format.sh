#!/usr/bin/env bash
# check_format.sh SOURCE_DIR: fails when a C++ file of the tree differs from
# what the repo's .clang-format makes of it, and says how to fix it.
set -uo pipefail
cd "$1" || exit 2
if ! command -v clang-format >/dev/null; then
  echo "FAIL: clang-format is not installed (scripts/bootstrap.sh installs it)"
  exit 1
fi
# Tracked and new files in a git checkout; every file in an exported tree.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
    while read -r f; do [ -f "$f" ] && echo "$f"; done)
else
  mapfile -t files < <(find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) \
    -print | sed 's|^\./||' | sort)
fi
[ "${#files[@]}" -gt 0 ] || { echo "FAIL: no C++ files found under $PWD"; exit 1; }
# One run over all files; each complaint starts with "FILE:LINE:COLUMN: error:".
output=$(clang-format --dry-run -Werror "${files[@]}" 2>&1)
status=$?
mapfile -t bad < <(sed -nE 's/^(.*):[0-9]+:[0-9]+: error: .*/\1/p' <<<"$output" | sort -u |
  grep -Fxf <(printf '%s\n' "${files[@]}"))
if [ "$status" -ne 0 ] && [ "${#bad[@]}" -eq 0 ]; then
  echo "FAIL: clang-format failed (exit $status):"
  echo "$output" | head -20
  exit 1
fi
if [ "${#bad[@]}" -gt 0 ]; then
  echo "FAIL: ${#bad[@]} of ${#files[@]} C++ files are not formatted with the repo's .clang-format:"
  printf '  %s\n' "${bad[@]}"
  echo "Fix them with: (cd $PWD && clang-format -i ${bad[*]})"
  exit 1
fi
echo "${#files[@]} C++ files formatted ($(clang-format --version | sed 's/.*version //'))"
