#!/usr/bin/env bash
# The engine's benchmarks, then whole quorlan-cli runs against the cheapest one (tolerance IT7 25),
# then whole `quorlan --report` runs (goal: a report written in under 1 s), then the Python module.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake --build "$build" --target engine_benchmark quorlan-cli >/dev/null
# The report needs the desktop program; a build without it skips that part.
report_targets=$(cmake --build "$build" --target help | grep -cE '^\.\.\. (quorlan|quorlan_report)$' || true)
[ "$report_targets" -lt 2 ] || cmake --build "$build" --target quorlan quorlan_report >/dev/null

"$build/tests/engine_benchmark"

cli=$build/cli/quorlan-cli
runs=${RUNS:-100}
# Mean wall time of one run in microseconds.
time_runs() {
    local start end
    start=$(date +%s%N)
    for _ in $(seq "$runs"); do
        "$cli" "$@" --tables "$root/data" >/dev/null
    done
    end=$(date +%s%N)
    echo $(((end - start) / runs / 1000))
}

base=$(time_runs tolerance IT7 25)
echo "quorlan-cli tolerance IT7 25: $base µs per run (mean of $runs runs)"
for command in "deviation P7 25" "fit H7/g6 40" "table" "table --json" \
    "general 35 --class m" "general --table --class mK" "bearing-fit 25 --shaft k5" \
    "find-fit 40 --min-clearance -70 --max-clearance 60 --basis any" \
    "find-fit 40 --min-clearance -70 --max-clearance 60 --basis any --all-grade-pairs --grades 01-12" \
    "thread M10-6H/6g" "thread --table --series all"; do
    # shellcheck disable=SC2086
    t=$(time_runs $command)
    awk -v c="$command" -v t="$t" -v b="$base" 'BEGIN { printf "quorlan-cli %s: %d µs per run, %.2f times tolerance\n", c, t, t / b }'
done

if [ "$report_targets" -ge 2 ]; then
    report_dir=$(mktemp -d)
    trap 'rm -rf "$report_dir"' EXIT
    report_runs=${REPORT_RUNS:-10}
    for arguments in "--fit H7/g6 --size 40" "--fit H7/s6 --size 40 --hub-od 80 --length 40"; do
        start=$(date +%s%N)
        for _ in $(seq "$report_runs"); do
            # shellcheck disable=SC2086
            QT_QPA_PLATFORM=offscreen "$build/ui/quorlan" --report "$report_dir/report.pdf" $arguments \
                --tables "$root/data" 2>/dev/null
        done
        end=$(date +%s%N)
        echo "quorlan --report $arguments: $(((end - start) / report_runs / 1000000)) ms per run (mean of $report_runs runs)"
    done
fi

# The Python module, when the build has it: a native call against parsing its own JSON; then a
# dimension chain's Monte Carlo against NumPy's (skipped, with a note, where NumPy is missing).
if cmake --build "$build" --target quorlan_python >/dev/null 2>&1; then
    PYTHONPATH=$build/python /usr/bin/python3 "$root/python/benchmark_module.py"
    PYTHONPATH=$build/python /usr/bin/python3 "$root/tests/benchmark/chain_numpy.py"
fi
