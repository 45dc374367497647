#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything and runs every test:
# native unit tests (plain and under ASan/UBSan), fuzzer smoke runs, and the
# Windows tests and end-to-end tests under Wine. One ctest run, one summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/bootstrap.sh

jobs=$(nproc)
for preset in native native-asan win32; do
  echo "== configure and build: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
if command -v clang++ >/dev/null; then
  echo "== configure and build: fuzzers"
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLORNEL_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build build/fuzz -j "$jobs"
fi

# One display for all Windows tests.
. scripts/xvfb.sh
start_xvfb
trap '[ -z "$xvfb_pid" ] || kill $xvfb_pid 2>/dev/null || true' EXIT
. scripts/wine-env.sh
scripts/wine-prefix.sh

# All three build trees in one ctest run, so the output ends with one summary.
cat > build/CTestTestfile.cmake <<'CTEST'
subdirs("native" "native-asan" "win32" "fuzz")
CTEST
[ -d build/fuzz ] || sed -i 's/ "fuzz"//' build/CTestTestfile.cmake
status=0
ctest --test-dir build --output-on-failure -j 1 || status=$?
exit $status
