#!/usr/bin/env bash
# Builds the browser page into SITE and drives it in headless Chromium (site_test.mjs). Exit 77
# (skipped) where emscripten, Chromium or Node.js is not installed.
# Usage: tests/web/run.sh SITE [WASM_BUILD]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
site=$1
for tool in emcmake chromium node npm; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done

QUORLAN_WEB_WASM_BUILD=${2:-$site-wasm} "$root/scripts/build-web.sh" "$site"
if [ ! -d "$here/node_modules/puppeteer-core" ]; then
    (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi
QUORLAN_CHROMIUM=$(command -v chromium) node "$here/site_test.mjs" "$site"
