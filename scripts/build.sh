#!/usr/bin/env bash
# Configures and builds Quorlan into a build folder: scripts/build.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$root/build}
shift || true
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLAN_WERROR=ON "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
