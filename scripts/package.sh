#!/usr/bin/env bash
# Sets everything up and builds the Debian package, quorlan_<version>_<arch>.deb, in a build folder
# of its own: scripts/package.sh [BUILD_DIR]   (default build-package)
# Install it with: sudo apt install ./build-package/quorlan_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath -m "${1:-$root/build-package}")
"$root/scripts/setup.sh"

# -O2 as in Debian's own builds and the tested builds (CPack strips the debug information); the
# prefix the package installs into, so that the programs' built-in paths name it too.
"$root/scripts/build.sh" "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF
rm -f "$build_dir"/quorlan_*.deb
if ! log=$(cd "$build_dir" && cpack -G DEB 2>&1); then
    echo "$log" >&2
    exit 1
fi
ls "$build_dir"/quorlan_*.deb
