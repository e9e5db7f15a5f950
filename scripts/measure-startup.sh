#!/usr/bin/env bash
# Start-up time (process start to mapped window: wall-clock time, and the CPU time the process used,
# which other work on a busy machine does not stretch) and resident memory once shown, under Xvfb,
# of quorlan and of a bare Qt dialog with the same controls; medians of several runs, side by side.
# The goal: quorlan within 1.1 times the time and the memory of the bare dialog.
# A third row shows what linking Qt's SVG module would cost: quorlan with that module preloaded,
# which maps, relocates and initialises it at start-up as a link would. quorlan links no SVG
# library; the workbench draws through Qt's SVG image plugin, loaded on first use.
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

# One run: prints "milliseconds cpu-milliseconds kibibytes". A second argument is preloaded (LD_PRELOAD).
measure() {
    local program=$1 preload=${2:-} start end cpu_ns rss
    start=$(date +%s%N)
    (cd "$root/data" && LD_PRELOAD=$preload exec "$program" 2>/dev/null) &
    app_pid=$!
    wait_for_window "$app_pid" >/dev/null
    end=$(date +%s%N)
    # Nanoseconds on a CPU, summed over the process's threads.
    cpu_ns=$(cat /proc/"$app_pid"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%d", sum }')
    sleep 0.5 # let it settle after its first paint
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status")
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    echo "$(((end - start) / 1000000)) $((cpu_ns / 1000000)) $rss"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ours=$build/ui/quorlan
bare=$build/ui/quorlan_bare_dialog
# Qt's SVG libraries, found the way the loader finds Qt's own.
qt_lib_dir=$(dirname "$(ldd "$ours" | awk '/libQt6Core\.so/ { print $3 }')")
svg_libs="$qt_lib_dir/libQt6Svg.so.6 $qt_lib_dir/libQt6SvgWidgets.so.6"
measure "$ours" >/dev/null # warm the caches for all three
measure "$bare" >/dev/null
measure "$ours" "$svg_libs" >/dev/null
ours_runs=()
bare_runs=()
svg_runs=()
for _ in $(seq 1 "$runs"); do
    ours_runs+=("$(measure "$ours")")
    bare_runs+=("$(measure "$bare")")
    svg_runs+=("$(measure "$ours" "$svg_libs")")
done

column_median() { # field runs...
    local field=$1
    shift
    printf '%s\n' "$@" | cut -d' ' -f"$field" | median
}
medians() { # runs...: "ms cpu-ms kB" of the medians
    echo "$(column_median 1 "$@") $(column_median 2 "$@") $(column_median 3 "$@")"
}

{
    medians "${ours_runs[@]}"
    medians "${bare_runs[@]}"
    medians "${svg_runs[@]}"
} | awk -v n="$runs" '
    { ms[NR] = $1; cpu[NR] = $2; kb[NR] = $3 }
    END {
        printf "medians of %d runs under Xvfb\n", n
        printf "%-22s %14s %14s %10s\n", "program", "to window (ms)", "CPU time (ms)", "RSS (MiB)"
        printf "%-22s %14d %14d %10.1f\n", "quorlan", ms[1], cpu[1], kb[1] / 1024
        printf "%-22s %14d %14d %10.1f\n", "bare dialog", ms[2], cpu[2], kb[2] / 1024
        printf "%-22s %14.2f %14.2f %10.2f   (goal: at most 1.10)\n", "ratio", ms[1] / ms[2], cpu[1] / cpu[2], kb[1] / kb[2]
        printf "%-22s %14d %14d %10.1f\n", "quorlan, SVG linked", ms[3], cpu[3], kb[3] / 1024
        printf "%-22s %14.2f %14.2f %10.2f   (what linking Qt SVG would cost)\n", "ratio", ms[3] / ms[2], cpu[3] / cpu[2], kb[3] / kb[2]
    }'
