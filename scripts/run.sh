#!/usr/bin/env bash
# Sets everything up, builds, and starts the Quorlan dialog with the shipped tables (data/) as its
# current directory, where it reads them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'TXT'
There is no display here, so the dialog cannot open. Either
  - run it in a virtual display:   xvfb-run -a scripts/run.sh   (then take a picture: scripts/screenshot.sh)
  - or use the command line front end, which needs none:
      cd data && ../build/cli/quorlan-cli deviation P7 25
TXT
    exit 1
fi
cd "$root/data"
exec "$root/build/ui/quorlan"
