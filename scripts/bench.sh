#!/usr/bin/env bash
# Builds the Windows tree with the benchmarks, runs every figure under Wine
# and prints the table of docs/performance.md. Each figure is a median of
# runs of lornel.exe interleaved with runs of a baseline program of ours.
#   BENCH_RUNS=10          start-up and first start-up runs of each program
#   BENCH_CPU_RUNS=5       30-second CPU windows of each program, per CPU figure
#   BENCH_SECONDS=30       length of one CPU window
#   BENCH_CLICK_SAMPLES=20 clicks on 按钮3, each against one bare group box, spread
#                          over BENCH_CLICK_ROUNDS=2 processes
#   BENCH_BEFORE=DIR       an older build tree (bin/lornel.exe, bench/bench_click.exe)
#                          measured in the same runs, for before-and-after figures
#   BENCH_PHASES=10        in-process starts for the breakdown of the start-up
#   BENCH_FIGURES=size,startup,startup-same-work,first,idle,locked   (the driver's figures;
#                          startup-same-work: against bench_same_work.exe, the main
#                          window's 131 controls from the same table, plain)
#   BENCH_SCALED_DPI=144   lornel.exe once more in the same runs at that DPI (start-up
#                          and click), all on desktops big enough for its full scale
#   BENCH_BUILD=build/win32-bench (build/win64-bench where only 64-bit code runs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# The tree Wine runs here: the 32-bit product, or the 64-bit build where the
# kernel runs no 32-bit code.
. "$root/scripts/wine-tree.sh"
build=${BENCH_BUILD:-build/$wine_tree-bench}
runs=${BENCH_RUNS:-10}
cpu_runs=${BENCH_CPU_RUNS:-5}
seconds=${BENCH_SECONDS:-30}
clicks=${BENCH_CLICK_SAMPLES:-20}
click_rounds=${BENCH_CLICK_ROUNDS:-2}
before=${BENCH_BEFORE:-}
phases=${BENCH_PHASES:-10}
figures=${BENCH_FIGURES:-size,startup,startup-same-work,first,idle,locked}
scaled_dpi=${BENCH_SCALED_DPI:-}
# A 2560x1440 default desktop holds the window at 150 %; at 96 DPI nothing differs.
driver_wine=(wine)
[ -n "$scaled_dpi" ] && driver_wine=("$root/scripts/wine-display.sh" 2560x1440 96)

cmake --preset "$wine_tree" -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target lornel bench_baseline bench_same_work bench_driver \
  bench_click bench_phases bench_fullscreen
export LORNEL_BUILD="$root/$build"
bin="$LORNEL_BUILD/bench"

# One display for everything, wide enough for the click bench's two windows side by side.
xvfb_pid=""
work=$(mktemp -d)
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
. scripts/xvfb.sh
start_xvfb 3840x1440x24
. scripts/wine-env.sh
scripts/wine-prefix.sh
log="$bin/bench.log"
: > "$log"
echo "== $(date -u '+%Y-%m-%d %H:%M UTC'), $(uname -srm), $(nproc) cores, $(wine --version)" | tee -a "$log"
echo "== load average before: $(cut -d' ' -f1-3 /proc/loadavg)" | tee -a "$log"

# Click to painted: in process, on a desktop of its own where the main window
# (centred) and the bare window (at the left edge) do not overlap. Each build
# runs in a directory of its own (each writes its own skin library there).
tags=lornel
mkdir -p "$work/lornel"
cp "$bin/bench_click.exe" "$work/lornel/"
[ -n "$scaled_dpi" ] && tags="$tags scaled"
if [ -n "$before" ] && [ -f "$before/bench/bench_click.exe" ]; then
  tags="$tags before"
  mkdir -p "$work/before"
  cp "$before/bench/bench_click.exe" "$work/before/"
fi
cp "$bin/bench_phases.exe" "$work/"
[ -n "$scaled_dpi" ] && mkdir -p "$work/scaled" && cp "$bin/bench_click.exe" "$work/scaled/"
for dir in "$work" "$work/lornel" "$work/before" "$work/scaled"; do [ -d "$dir" ] && cp examples/wtda.ini "$dir/"; done
win_work=$(winepath -w "$work")
per_round=$(( (clicks + click_rounds - 1) / click_rounds ))
echo "== click to painted: $click_rounds rounds of $per_round samples for: $tags" | tee -a "$log"
for round in $(seq "$click_rounds"); do
  for tag in $tags; do
    dpi=96
    [ "$tag" = scaled ] && dpi=$scaled_dpi
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    timeout 600 wine explorer /desktop=lornel-bench,3700x1300 "$win_work\\$tag\\bench_click.exe" \
      --samples="$per_round" --tag="$tag" --out="$win_work\\click.txt" >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
  done
done
cat "$work/click.txt" 2>/dev/null | tr -d '\r' | tee -a "$log" || echo "FAILED click: no output" | tee -a "$log"

# Where one start spends its time (not a figure of the table: a breakdown).
echo "== start-up phases, in process: $phases starts" | tee -a "$log"
wine "$work/bench_phases.exe" >/dev/null 2>&1 || true
for _ in $(seq "$phases"); do wine "$work/bench_phases.exe" 2>/dev/null | tr -d '\r' | tee -a "$log"; done
echo "== the main window's fonts alone, made and realised: $phases fresh processes of each" | tee -a "$log"
for _ in $(seq "$phases"); do
  for mode in each shared; do
    wine "$work/bench_phases.exe" "fonts=$mode" 2>/dev/null | tr -d '\r' | tee -a "$log"
  done
done

# Full screen (BENCH_FIGURES=...,fullscreen): F11 and clicks on a 1920x1080
# desktop, each process against its own start-up show-and-paint and windowed
# clicks; the older build's bench_fullscreen.exe, if it has one, in turn with it.
if [[ ",$figures," == *,fullscreen,* ]]; then
  figures=$(echo ",$figures," | sed 's/,fullscreen,/,/; s/^,//; s/,$//')
  fs_tags=lornel
  [ -n "$before" ] && [ -f "$before/bench/bench_fullscreen.exe" ] && fs_tags="lornel before"
  mkdir -p "$work/fullscreen-lornel" "$work/fullscreen-before"
  cp "$bin/bench_fullscreen.exe" "$root/examples/wtda.ini" "$work/fullscreen-lornel/"
  [ "$fs_tags" = lornel ] || cp "$before/bench/bench_fullscreen.exe" "$root/examples/wtda.ini" "$work/fullscreen-before/"
  echo "== full screen at 1920x1080: $phases processes each of: $fs_tags" | tee -a "$log"
  for _ in $(seq "$phases"); do
    for tag in $fs_tags; do
      timeout 300 wine explorer /desktop=lornel-fullscreen,1920x1080 \
        "$(winepath -w "$work/fullscreen-$tag/bench_fullscreen.exe")" --samples=10 2>/dev/null |
        tr -d '\r' | sed "s/^fullscreen /fullscreen tag=$tag /" | tee -a "$log" || true
    done
  done
fi

echo "== driver: $runs runs, $cpu_runs CPU windows of $seconds s" | tee -a "$log"
before_arg=()
[ -n "$before" ] && before_arg=(--before="$before/bin/lornel.exe")
[ -n "$scaled_dpi" ] && before_arg+=(--scaled-dpi="$scaled_dpi")
"${driver_wine[@]}" "$bin/bench_driver.exe" --lornel="$LORNEL_BUILD/bin/lornel.exe" "${before_arg[@]}" \
  --baseline="$bin/bench_baseline.exe" --same-work="$bin/bench_same_work.exe" --config="$root/examples/wtda.ini" --runs="$runs" \
  --cpu-runs="$cpu_runs" --seconds="$seconds" --figures="$figures" 2>/dev/null | tr -d '\r' | tee -a "$log"
echo "== load average after: $(cut -d' ' -f1-3 /proc/loadavg)" | tee -a "$log"

# The table.
awk -v seconds="$seconds" -v scaled="$scaled_dpi" '
function val(line, key,   m) { if (match(line, key "=[^ ]*")) return substr(line, RSTART + length(key) + 1, RLENGTH - length(key) - 1); return "" }
function verdict(ok) { return ok ? "met" : "**missed**" }
function median(list,   v, m, i, j, t) {
  m = split(list, v, " ")
  for (i = 2; i <= m; ++i) for (j = i; j > 1 && v[j - 1] + 0 > v[j] + 0; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
  return m % 2 ? v[(m + 1) / 2] : (v[m / 2] + v[m / 2 + 1]) / 2
}
/^RESULT / { r[$2] = $0 }
/^sample click / {
  t = val($0, "tag"); cl[t] = cl[t] " " val($0, "lornel_ms"); cb[t] = cb[t] " " val($0, "baseline_ms")
  ch[t] = ch[t] " " val($0, "handler_ms"); cn[t]++
}
/^PHASES / {
  n = split("controls created_handler show_paint first_messages", names, " ")
  for (i = 1; i <= n; ++i) { split(val($0, names[i]), p, "/"); wall[names[i]] = wall[names[i]] " " p[1] }
  gf = gf " " val($0, "gdi_fonts"); gb = val($0, "gdi_fonts_before")
  ph++
}
/^fullscreen / {
  t = val($0, "tag"); fn_[t]++
  fr[t] = fr[t] " " val($0, "ratio_repaint"); ff[t] = ff[t] " " val($0, "ratio_fresh")
  fo[t] = fo[t] " " val($0, "switch_on"); fw[t] = fw[t] " " val($0, "switch_on_work")
  fp[t] = fp[t] " " val($0, "repaint"); fq[t] = fq[t] " " val($0, "repaint_fresh")
}
/^FONTS / { m = val($0, "mode"); fms[m] = fms[m] " " val($0, "ms"); fn[m] = val($0, "fonts"); fd = val($0, "distinct") }
END {
  for (t in cn) {
    k = t == "lornel" ? "click" : "click@" t
    pm = median(cl[t]); bm = median(cb[t])
    r[k] = "RESULT " k " runs=" cn[t] " program=" pm " baseline=" bm " ratio=" (bm > 0 ? pm / bm : 0) " handler=" median(ch[t])
  }
  print ""
  print "| figure | runs | lornel.exe (median) | baseline (median) | ratio | goal | |"
  print "|---|---|---|---|---|---|---|"
  if ("size" in r) { b = val(r["size"], "program"); printf "| size | 1 | %d bytes (%.2f MB) | | | ≤ 1.5 MB | %s |\n", b, b / 1e6, verdict(b + 0 <= 1500000) }
  if ("startup" in r) { x = r["startup"]; printf "| start-up (library present) | %s | %.1f ms | %.1f ms | %.2f × | ≤ 1.15 × | %s |\n", val(x,"runs"), val(x,"program"), val(x,"baseline"), val(x,"ratio"), verdict(val(x,"ratio") + 0 <= 1.15) }
  if ("startup-same-work" in r) { x = r["startup-same-work"]; printf "| start-up against the same-work program | %s | %.1f ms | %.1f ms | %.2f × (run by run: %.2f ×) | ≤ 1.1 × | %s |\n", val(x,"runs"), val(x,"program"), val(x,"baseline"), val(x,"ratio"), val(x,"paired"), verdict(val(x,"ratio") + 0 <= 1.1) }
  if ("first" in r) { x = r["first"]; printf "| first start-up (library written) | %s | %.1f ms | %.1f ms | %.2f × | ≤ 1.3 × | %s |\n", val(x,"runs"), val(x,"program"), val(x,"baseline"), val(x,"ratio"), verdict(val(x,"ratio") + 0 <= 1.3) }
  if ("click" in r) { x = r["click"]; printf "| click to painted (`按钮3`) | %s | %.2f ms | %.3f ms | %.1f × | ≤ 16 ms | %s |\n", val(x,"runs"), val(x,"program"), val(x,"baseline"), val(x,"ratio"), verdict(val(x,"program") + 0 <= 16) }
  if ("idle" in r) { x = r["idle"]; printf "| CPU, idle on the cover (per %d s) | %s | %.1f ms | %.1f ms | %.2f × | ≤ 1.2 × | %s |\n", seconds, val(x,"runs"), val(x,"program"), val(x,"baseline"), val(x,"ratio"), verdict(val(x,"ratio") + 0 <= 1.2) }
  if ("locked" in r) { x = r["locked"]; printf "| CPU, all fourteen questions locked (per %d s) | %s | %.1f ms | %.1f ms | %.2f × | ≤ 1.1 × | %s |\n", seconds, val(x,"runs"), val(x,"program"), val(x,"baseline"), val(x,"ratio"), verdict(val(x,"ratio") + 0 <= 1.1) }
  if ("memory" in r) { x = r["memory"]; printf "| memory, peak working set on the cover | %s | %.1f MiB | %.1f MiB | %.2f × | ≤ 1.5 × | %s |\n", val(x,"runs"), val(x,"program") / 1024, val(x,"baseline") / 1024, val(x,"ratio"), verdict(val(x,"ratio") + 0 <= 1.5) }
  if ("locked-memory" in r) { x = r["locked-memory"]; printf "| memory, peak working set after fourteen questions | %s | %.1f MiB | %.1f MiB | %.2f × | ≤ 1.5 × | %s |\n", val(x,"runs"), val(x,"program") / 1024, val(x,"baseline") / 1024, val(x,"ratio"), verdict(val(x,"ratio") + 0 <= 1.5) }
  if ("startup@before" in r || "startup-same-work@before" in r || "click@before" in r) {
    print ""
    print "The older build (BENCH_BEFORE) in the same runs, against the same baselines:"
    print ""
    print "| figure | runs | older build (median) | baseline (median) | ratio |"
    print "|---|---|---|---|---|"
    nk = split("size startup startup-same-work first click idle locked memory memory-same-work locked-memory idle-wineserver locked-wineserver", keys, " ")
    for (i = 1; i <= nk; ++i) {
      k = keys[i] "@before"
      if (!(k in r)) continue
      x = r[k]
      if (keys[i] == "size") printf "| size | 1 | %d bytes | | |\n", val(x, "program")
      else printf "| %s | %s | %.2f %s | %.3f %s | %.2f × (run by run: %.2f ×) |\n", keys[i], val(x,"runs"), val(x,"program"), (val(x,"unit") ? val(x,"unit") : "ms"), val(x,"baseline"), (val(x,"unit") ? val(x,"unit") : "ms"), val(x,"ratio"), val(x,"paired")
    }
  }
  sk = "startup@dpi" scaled; ck = "click@scaled"
  if (sk in r || ck in r) {
    print ""
    printf "The window at %s DPI (lornel.exe once more, started at that DPI) in the same runs:\n", scaled
    print ""
    print "| figure | runs | at 96 DPI (median) | scaled (median) | scaled / 96 DPI |"
    print "|---|---|---|---|---|"
    if (sk in r) printf "| start-up | %s | %.1f ms | %.1f ms | %.2f × |\n", val(r[sk],"runs"), val(r["startup"],"program"), val(r[sk],"program"), val(r[sk],"program") / val(r["startup"],"program")
    if (ck in r) printf "| click to painted | %s | %.2f ms | %.2f ms | %.2f × |\n", val(r[ck],"runs"), val(r["click"],"program"), val(r[ck],"program"), val(r[ck],"program") / val(r["click"],"program")
  }
  print ""
  print "Beside the table (not figures of their own):"
  if ("click" in r) printf "- click to painted: the click handler itself (BM_CLICK returned) %.2f ms of the %.2f ms median\n", val(r["click"], "handler"), val(r["click"], "program")
  if ("memory-same-work" in r) { x = r["memory-same-work"]; printf "- memory at start against the same-work program: %.1f MiB against %.1f MiB (%.2f ×)\n", val(x,"program") / 1024, val(x,"baseline") / 1024, val(x,"ratio") }
  if ("idle-wineserver" in r) { x = r["idle-wineserver"]; printf "- wineserver CPU during the idle windows: %.1f ms against %.1f ms (%.2f ×)\n", val(x,"program"), val(x,"baseline"), val(x,"ratio") }
  if ("locked-wineserver" in r) { x = r["locked-wineserver"]; printf "- wineserver CPU during the locked windows: %.1f ms against %.1f ms (%.2f ×)\n", val(x,"program"), val(x,"baseline"), val(x,"ratio") }
  if (ph) {
    printf "- start-up phases in process, median wall ms of %d starts:", ph
    for (i = 1; i <= n; ++i) {
      printf " %s %.1f;", names[i], median(wall[names[i]])
    }
    print ""
    printf "- GDI font objects the main window added at start: %d (the process had %d before)\n", median(gf), gb
  }
  for (t in fn_)
    printf "- full screen at 1920x1080 (%s, %d processes, medians): switch on %.1f ms, %.1f ms of it until SetFullScreen returns; repaint %.1f ms, into a fresh surface %.1f ms; switch ÷ repaint %.2f × (goal ≤ 1.3 ×), ÷ fresh repaint %.2f ×\n", t, fn_[t], median(fo[t]), median(fw[t]), median(fp[t]), median(fq[t]), median(fr[t]), median(ff[t])
  if ("each" in fn && "shared" in fn)
    printf "- the fonts of the main window alone, made and realised in a fresh process: one per control, %d fonts, %.2f ms; one per distinct face and height, %d fonts, %.2f ms (medians)\n", fn["each"], median(fms["each"]), fd, median(fms["shared"])
}' "$log" | tee "$bin/bench-table.md"
if grep -q '^FAILED' "$log"; then
  echo "bench: some figures failed, see $log" >&2
  exit 1
fi
