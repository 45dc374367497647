#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything and runs every test:
# native unit tests (plain and under ASan/UBSan), fuzzer smoke runs, checks of
# the shipped files, and the Windows tests and end-to-end tests under Wine.
# One ctest run, one summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/bootstrap.sh
. scripts/wine-tree.sh

# The 32-bit product is always built; its programs run under Wine only where
# the kernel runs 32-bit code, and the 64-bit tree takes their place elsewhere.
jobs=$(nproc)
trees=(native native-asan win32)
if [ "$wine_tree" = win64 ]; then
  trees+=(win64)
  echo "== this kernel runs no 32-bit programs: the Windows tests run on the 64-bit build"
fi
for preset in "${trees[@]}"; do
  echo "== configure and build: $preset"
  wine_tests=ON
  [ "$preset" = win32 ] && [ "$wine_tree" != win32 ] && wine_tests=OFF
  cmake --preset "$preset" -DLORNEL_WINE_TESTS=$wine_tests >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
if command -v clang++ >/dev/null; then
  echo "== configure and build: fuzzers"
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLORNEL_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build build/fuzz -j "$jobs"
  trees+=(fuzz)
fi

# One display and one Wine prefix for all Windows tests.
. scripts/xvfb.sh
start_xvfb 2560x1440x24  # room for the 2560x1440 desktop of the display tests
trap '[ -z "$xvfb_pid" ] || kill $xvfb_pid 2>/dev/null || true' EXIT
. scripts/wine-env.sh
scripts/wine-prefix.sh

# All build trees in one ctest run, so the output ends with one summary.
printf 'subdirs(%s)\n' "$(printf '"%s" ' "${trees[@]}")" > build/CTestTestfile.cmake
status=0
ctest --test-dir build --output-on-failure -j 1 || status=$?
exit $status
