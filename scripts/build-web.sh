#!/usr/bin/env bash
# Builds the browser page into OUT (default build-web/site): the engine and its JSON answers in
# WebAssembly, and the page's own files. OUT is then a static site: any web server can serve it.
# Usage: scripts/build-web.sh [OUT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build-web/site}")
# QUORLAN_WEB_WASM_BUILD: where the WebAssembly is compiled (the tests keep it in their build folder).
wasm_build=${QUORLAN_WEB_WASM_BUILD:-$root/build-web/wasm}

if ! command -v emcmake >/dev/null; then
    echo "build-web.sh: emscripten is not installed (scripts/setup.sh installs it)" >&2
    exit 1
fi
# Only ever replace a folder this script made, or an empty one.
if [ -e "$out" ] && [ -n "$(ls -A "$out" 2>/dev/null)" ] && [ ! -f "$out/quorlan.wasm" ]; then
    echo "build-web.sh: $out is not empty and holds no earlier build; give an empty or new folder" >&2
    exit 1
fi

# Debian's emscripten runs its JavaScript tools with the machine's node, which looks for their
# modules (acorn) in Debian's folder only when told.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# -O2, not -Os: Debian's emscripten (3.1.6) inlines nothing at -Os, not even std::min, and the
# chain's Monte Carlo then takes twice as long (docs/performance.md); -O2 costs 45 KiB gzipped.
emcmake cmake -S "$root" -B "$wasm_build" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
    -DQUORLAN_WERROR=ON >/dev/null
cmake --build "$wasm_build" -j"$(nproc)" --target quorlan_wasm

staging=$out.new
rm -rf "$staging"
mkdir -p "$staging"
# web/wasm is the binding compiled above; web/package.json only tells Node.js that the files are
# ES modules (the tests import some). Neither belongs on the site.
(cd "$root/web" && tar cf - --exclude=./wasm --exclude=./package.json .) | (cd "$staging" && tar xf -)
cp "$wasm_build/web/wasm/quorlan.js" "$wasm_build/web/wasm/quorlan.wasm" "$staging/"
cp "$root/ui/res/icons/quorlan.svg" "$staging/icon.svg"
cp "$root/ui/res/icons/quorlan-256.png" "$staging/icon-256.png"
# A new build is a new cache for the service worker: its name carries a digest of every file.
version=$(cd "$staging" && find . -type f ! -name sw.js -print0 | sort -z | xargs -0 sha256sum | sha256sum | cut -c1-12)
sed -i "s/__BUILD_VERSION__/$version/" "$staging/sw.js"

rm -rf "$out"
mv "$staging" "$out"
echo "Built the site in $out ($(du -sk "$out" | cut -f1) KiB, version $version)"
