#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each in turn, one process on one core:
#   scripts/fuzz.sh [SECONDS [TARGET...]]   (default 60 seconds for each of the three targets)
# TARGET is table_files, text_readers or fit_checks.
# QUORLAN_FUZZ_BUILD is the build folder (default build-fuzz), QUORLAN_FUZZ_WORK the folder for the
# corpus each run grows, its log and any input that breaks a target (default BUILD/fuzz-work).
# An input that breaks a target belongs, once its fault is mended, in tests/fuzz/crashes/TARGET/:
# the normal test run replays those and the seed corpus in tests/fuzz/corpus/TARGET/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
build=${QUORLAN_FUZZ_BUILD:-$root/build-fuzz}
work=${QUORLAN_FUZZ_WORK:-$build/fuzz-work}

# clang's own package leaves libFuzzer out: it comes with libclang-rt-14-dev (scripts/setup.sh installs both).
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a \
    >/dev/null 2>&1; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing clang and libFuzzer (clang libclang-rt-14-dev)"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev \
        >/dev/null
fi

harnesses=(table_files text_readers fit_checks)
[ "$#" -eq 0 ] || harnesses=("$@")
# QUORLAN_FUZZ_TRACE: a log for scripts/check-setup.sh of what the build starts and opens (the test
# command's setup check); the fuzzing itself runs untraced, as LeakSanitizer needs.
build_step=()
[ -z "${QUORLAN_FUZZ_TRACE:-}" ] || build_step=("$root/scripts/traced.sh" "$QUORLAN_FUZZ_TRACE")
CC=clang CXX=clang++ "${build_step[@]}" cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORLAN_FUZZ=ON -DQUORLAN_WERROR=ON -DQUORLAN_BUILD_UI=OFF -DQUORLAN_BUILD_PYTHON=OFF -DBUILD_TESTING=OFF \
    >/dev/null
"${build_step[@]}" cmake --build "$build" -j2 --target "${harnesses[@]/%/_fuzz}"

# Inputs of whole table files may be long; texts a person types are short.
declare -A max_len=([table_files]=65536 [text_readers]=8192 [fit_checks]=65536)
failed=()
for harness in "${harnesses[@]}"; do
    dir=$work/$harness
    mkdir -p "$dir/corpus" "$dir/crashes"
    rm -f "$dir/fuzz-0.log"
    echo "== $harness: $seconds s =="
    # One job in one worker: the machine's cores are shared. A single allocation over 256 MB, or a run
    # over 1 GB or 10 s, is a finding as much as a crash is.
    status=0
    # A small quarantine and no fill of new memory: a freed block is still caught when reused soon,
    # and the table harness runs three times as fast.
    (cd "$dir" && ASAN_OPTIONS=quarantine_size_mb=16:max_malloc_fill_size=0 \
        "$build/tests/fuzz/${harness}_fuzz" corpus "$root/tests/fuzz/corpus/$harness" \
        "$root/tests/fuzz/crashes/$harness" -jobs=1 -workers=1 -max_total_time="$seconds" \
        -max_len="${max_len[$harness]}" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=256 \
        -artifact_prefix="$dir/crashes/" -print_final_stats=1 >/dev/null 2>&1) || status=$?
    grep -E '^#[0-9]+.*(INITED|DONE)|stat::number_of_executed_units|ERROR|SUMMARY' "$dir/fuzz-0.log" | tail -6 || true
    findings=$(find "$dir/crashes" -type f | wc -l)
    echo "$harness: $findings finding(s) in $dir/crashes, log $dir/fuzz-0.log"
    if [ "$status" -ne 0 ] || [ "$findings" -gt 0 ]; then
        failed+=("$harness")
    fi
done

if [ "${#failed[@]}" -gt 0 ]; then
    echo "Findings in: ${failed[*]}" >&2
    exit 1
fi
echo "No findings."
