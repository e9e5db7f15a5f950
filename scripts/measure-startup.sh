#!/usr/bin/env bash
# Start-up time (process start to mapped window) and resident memory once shown, under Xvfb, of
# quorlan and of a bare Qt dialog with the same controls; medians of several runs, side by side.
# The goal: quorlan within 1.3 times the time and 1.2 times the memory of the bare dialog.
# Usage: scripts/measure-startup.sh [RUNS]   (BUILD_DIR defaults to build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-7}
build=$(realpath -m "${BUILD_DIR:-$root/build}")
# shellcheck source=scripts/xvfb-session.sh
. "$root/scripts/xvfb-session.sh"

# Configured again each time: a build folder made before ui/ existed would lack the program.
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target quorlan quorlan_bare_dialog >/dev/null

start_xvfb_session

# One run: prints "milliseconds kibibytes".
measure() {
    local program=$1 start end rss
    start=$(date +%s%N)
    (cd "$root/data" && exec "$program" 2>/dev/null) &
    app_pid=$!
    wait_for_window "$app_pid" >/dev/null
    end=$(date +%s%N)
    sleep 0.5 # let it settle after its first paint
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status")
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    echo "$(((end - start) / 1000000)) $rss"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ours=$build/ui/quorlan
bare=$build/ui/quorlan_bare_dialog
measure "$ours" >/dev/null # warm the caches for both
measure "$bare" >/dev/null
ours_runs=()
bare_runs=()
for _ in $(seq 1 "$runs"); do
    ours_runs+=("$(measure "$ours")")
    bare_runs+=("$(measure "$bare")")
done

ours_ms=$(printf '%s\n' "${ours_runs[@]}" | cut -d' ' -f1 | median)
ours_kb=$(printf '%s\n' "${ours_runs[@]}" | cut -d' ' -f2 | median)
bare_ms=$(printf '%s\n' "${bare_runs[@]}" | cut -d' ' -f1 | median)
bare_kb=$(printf '%s\n' "${bare_runs[@]}" | cut -d' ' -f2 | median)

awk -v om="$ours_ms" -v ok="$ours_kb" -v bm="$bare_ms" -v bk="$bare_kb" -v n="$runs" 'BEGIN {
    printf "medians of %d runs under Xvfb\n", n
    printf "%-14s %14s %12s\n", "program", "to window (ms)", "RSS (MiB)"
    printf "%-14s %14d %12.1f\n", "quorlan", om, ok / 1024
    printf "%-14s %14d %12.1f\n", "bare dialog", bm, bk / 1024
    printf "%-14s %14.2f %12.2f   (goal: at most 1.30 and 1.20)\n", "ratio", om / bm, ok / bk
}'
