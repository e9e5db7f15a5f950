#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: once in a normal build, the fuzz targets for a few
# seconds each in a clang build, and once under AddressSanitizer and UndefinedBehaviorSanitizer. After
# each build, scripts/check-setup.sh fails the run where it used a package that scripts/setup.sh does
# not install: the normal build and its tests run traced (scripts/traced.sh), so that the programs
# the tests start count too.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

# Runs every stage's last step, the setup check, even when its tests fail: both verdicts are printed.
failed=()
check_setup() {
    "$root/scripts/check-setup.sh" "$1" || failed+=("setup check of $1")
}

echo "== Build and test =="
rm -rf "$root/build/setup-trace"
"$root/scripts/traced.sh" "$root/build/setup-trace/build.log" "$root/scripts/build.sh" "$root/build"
"$root/scripts/traced.sh" "$root/build/setup-trace/tests.log" \
    ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)" || failed+=("tests of the normal build")
check_setup "$root/build"

echo "== Fuzz targets: clang and libFuzzer, 5 s each =="
rm -rf "$root/build-fuzz/setup-trace"
QUORLAN_FUZZ_BUILD="$root/build-fuzz" QUORLAN_FUZZ_TRACE="$root/build-fuzz/setup-trace/build.log" \
    "$root/scripts/fuzz.sh" 5 || failed+=("fuzz targets")
check_setup "$root/build-fuzz"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer =="
"$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DQUORLAN_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j"$(nproc)" || failed+=("tests under the sanitizers")
check_setup "$root/build-asan"

if [ "${#failed[@]}" -gt 0 ]; then
    printf 'Failed: %s\n' "${failed[@]}" >&2
    exit 1
fi
echo "Every stage passed."
