#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds what the tests need and runs every
# test: native unit tests under ASan/UBSan, fuzzer smoke runs, checks of the
# shipped files, and the Windows tests and end-to-end tests under Wine.
# One ctest run, one summary: building each tree is a test of that run, and a
# tree's tests start once it is built, beside the next tree's build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/bootstrap.sh
. scripts/wine-tree.sh
# The Wine scripts find each tree's prefix from the test's own environment.
unset WINEPREFIX

# The 32-bit product is always built; its programs run under Wine only where
# the kernel runs 32-bit code, and the 64-bit tree takes their place elsewhere.
# The Windows tree is built first: its tests take longest.
jobs=$(nproc)
# The trees are configured side by side (each is mostly waiting on small
# compiler checks); a failed one shows its log.
mkdir -p build
configure_pids=()
configure() {
  local name=$1
  shift
  echo "== configure: $name"
  ("$@" >"build/configure-$name.log" 2>&1 || { cat "build/configure-$name.log" >&2; exit 1; }) &
  configure_pids+=($!)
}
trees=("$wine_tree" native-asan)
for preset in "${trees[@]}"; do
  configure "$preset" cmake --preset "$preset" -DLORNEL_WINE_TESTS=ON
done
if command -v clang++ >/dev/null; then
  configure fuzz cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLORNEL_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
  trees+=(fuzz)
fi
if [ "$wine_tree" = win64 ]; then
  echo "== this kernel runs no 32-bit programs: the Windows tests run on the 64-bit build"
  configure win32 cmake --preset win32 -DLORNEL_WINE_TESTS=OFF
  trees+=(win32)
fi
for pid in "${configure_pids[@]}"; do wait "$pid"; done

# Windows tests run in lanes, each a display and a Wine prefix of its own
# (scripts/wine-env.sh); ctest hands the lanes out as resources.
lanes=${LORNEL_WINE_LANES:-4}
. scripts/xvfb.sh
xvfb_pids=()
trap 'for pid in "${xvfb_pids[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT
lane_ids=()
for _ in $(seq "$lanes"); do
  new_xvfb 2560x1440x24  # room for the 2560x1440 desktop of the display tests
  xvfb_pids+=("$xvfb_pid")
  [ "$xvfb_display" != : ] || { echo "test.sh: Xvfb did not start" >&2; exit 1; }
  lane_ids+=("x${xvfb_display#:}")
done
# (The tree's own prefix, which the lanes copy, is made on the first display.)
export DISPLAY=:${lane_ids[0]#x}

# The top of the one ctest run: per tree a build test that builds only what
# the tree's tests name (not the benches or tools), chained in tree order;
# each test that runs something built waits for its tree's build.
python3 - "$root/build" "$jobs" "${trees[@]}" <<'PY'
import json, os, re, shutil, subprocess, sys
top, jobs, trees = sys.argv[1], sys.argv[2], sys.argv[3:]
def quote(s): return "[==[" + s + "]==]"
head, tail, previous = [], [], None
for tree in trees:
    tdir = os.path.join(top, tree)
    tests = json.loads(subprocess.run(["ctest", "--show-only=json-v1", "--test-dir", tdir],
                                      check=True, capture_output=True, text=True).stdout)["tests"]
    known = set()
    for line in subprocess.run(["ninja", "-C", tdir, "-t", "targets", "all"], check=True,
                               capture_output=True, text=True).stdout.splitlines():
        known.add(line.rsplit(": ", 1)[0])
    # The commands as cmake wrote them (ctest shows none for a program not built yet).
    commands = {}
    for d, _, files in os.walk(tdir):
        if "CTestTestfile.cmake" in files:
            for line in open(os.path.join(d, "CTestTestfile.cmake"), encoding="utf-8"):
                m = re.match(r"add_test\(\[=\[(.*?)\]=\] (.*)", line)
                if m: commands[m.group(1)] = re.findall(r'"((?:[^"\\]|\\.)*)"', m.group(2))
    inside = re.compile(r"(?:^|=)" + re.escape(tdir + "/") + r"(\S+)")
    targets = []
    for test in tests:
        built = [m.group(1) for arg in commands.get(test["name"], []) for m in [inside.search(arg)]
                 if m and m.group(1) in known]
        if not built: continue
        targets += [t for t in built if t not in targets]
        props = {p["name"]: p["value"] for p in test.get("properties", [])}
        fixtures = props.get("FIXTURES_REQUIRED", []) + ["built." + tree]
        tail.append("set_tests_properties(%s PROPERTIES FIXTURES_REQUIRED %s)"
                    % (quote(test["name"]), quote(";".join(fixtures))))
    name = "build." + tree
    head.append("add_test(%s %s --build %s -j %s --target %s)"
                % (quote(name), quote(shutil.which("cmake")), quote(tdir), jobs,
                   " ".join(quote(t) for t in targets or ["all"])))
    head.append("set_tests_properties(%s PROPERTIES FIXTURES_SETUP %s PROCESSORS %s TIMEOUT 3600%s)"
                % (quote(name), quote("built." + tree), jobs,
                   " DEPENDS " + quote(previous) if previous else ""))
    previous = name
head.append("subdirs(%s)" % " ".join(quote(t) for t in trees))
with open(os.path.join(top, "CTestTestfile.cmake"), "w") as out:
    out.write("\n".join(head + tail) + "\n")
PY
printf '{"version": {"major": 1, "minor": 0}, "local": [{"wine_lane": [%s]}]}\n' \
  "$(printf '{"id": "%s", "slots": 1},' "${lane_ids[@]}" | sed 's/,$//')" > build/wine-lanes.json

# Slots: one tree building on every core, one test per lane beside it (they
# mostly wait on the program's clocks), and two more for the unit tests and the
# fuzzers, which then start as soon as their tree is built instead of after
# the last build: the cores are shared either way.
status=0
ctest --test-dir build --output-on-failure -j $((jobs + lanes + 2)) \
  --resource-spec-file "$root/build/wine-lanes.json" || status=$?
exit $status
