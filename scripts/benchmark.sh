#!/usr/bin/env bash
# Measures one deviation calculation (engine benchmark) and one whole quorlan-cli run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake --build "$build" --target engine_benchmark quorlan-cli >/dev/null

"$build/tests/engine_benchmark"

runs=200
start=$(date +%s%N)
for _ in $(seq "$runs"); do
    "$build/cli/quorlan-cli" deviation P7 25 --tables "$root/data" >/dev/null
done
end=$(date +%s%N)
echo "quorlan-cli deviation P7 25: $(( (end - start) / runs / 1000 )) µs per run (mean of $runs runs)"
