#!/usr/bin/env bash
# Builds the browser page and serves it on http://127.0.0.1:8286/ with a plain static file server
# (Python's), until Ctrl+C. Usage: scripts/web.sh [PORT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
port=${1:-8286}
site=$root/build-web/site
"$root/scripts/build-web.sh" "$site"
echo "Serving Quorlan on http://127.0.0.1:$port/ (Ctrl+C stops)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
