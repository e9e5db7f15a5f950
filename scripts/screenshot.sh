#!/usr/bin/env bash
# Screenshot of the dialog after the worked example: >18-30, IT7, size 25, hole basis, letter P,
# deviations calculated. Drives the real program under Xvfb with mouse clicks and keys.
# Usage: scripts/screenshot.sh [OUT.png]   (default docs/screenshot.png; BUILD_DIR defaults to build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshot.png}")
build=$(realpath -m "${BUILD_DIR:-$root/build}")
# shellcheck source=scripts/xvfb-session.sh
. "$root/scripts/xvfb-session.sh"

# Configured again each time: a build folder made before ui/ existed would lack the program.
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target quorlan >/dev/null
program=$build/ui/quorlan

start_xvfb_session

# The tables are read from the current directory, as where the desktop file starts the program.
(cd "$root/data" && exec "$program") &
app_pid=$!
window=$(wait_for_window "$app_pid")
eval "$(xdotool getwindowgeometry --shell "$window")"

# The dialog is 410 x 200 dialog units; its size gives back the base units for the clicks.
base_x=$(((WIDTH * 4 + 205) / 410))
base_y=$(((HEIGHT * 8 + 100) / 200))
click() { # x y in dialog units
    xdotool mousemove --sync $((X + ($1 * base_x + 2) / 4)) $((Y + ($2 * base_y + 4) / 8)) click 1
    sleep 0.2
}
keys() { # key count
    local _
    for _ in $(seq 1 "$2"); do
        xdotool key "$1"
    done
    sleep 0.2
}

xdotool windowfocus --sync "$window" 2>/dev/null || true
click 94 35          # size-range list
keys Down 5          # >18-30
click 94 60          # grade list
keys Down 9          # IT7
click 95 85          # size box
xdotool type --delay 50 25
click 227 38         # hole basis
click 243 59         # letter list
keys Down 17         # P
click 208 162        # deviation calculation
sleep 0.5

mkdir -p "$(dirname "$out")"
import -window "$window" "png:$out.tmp"
convert "png:$out.tmp" -strip -define png:exclude-chunks=date,time "$out"
rm -f "$out.tmp"
echo "$out"
