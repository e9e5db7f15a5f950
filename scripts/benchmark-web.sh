#!/usr/bin/env bash
# Builds the browser page and measures it: the whole site's size as a server sends it gzipped, the
# first result after navigation, each recalculation, and a 10-link dimension chain's Monte Carlo
# run of 1,000,000 samples in the page's worker (wall clock, and the worker's CPU time from /proc),
# in headless Chromium from a local server.
# Usage: scripts/benchmark-web.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
site=$root/build-web/site
"$root/scripts/build-web.sh" "$site" >/dev/null
total=0
while IFS= read -r -d '' file; do
    size=$(gzip -9c "$file" | wc -c)
    total=$((total + size))
    printf '%-24s %8d bytes gzipped\n' "${file#"$site"/}" "$size"
done < <(find "$site" -type f -print0 | sort -z)
echo "whole site: $total bytes gzipped ($((total / 1024)) KiB)"
if [ ! -d "$root/tests/web/node_modules/puppeteer-core" ]; then
    (cd "$root/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
fi
QUORLAN_CHROMIUM=$(command -v chromium) node "$root/tests/web/benchmark.mjs" "$site" "${1:-20}"
