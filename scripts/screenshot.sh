#!/usr/bin/env bash
# Screenshot of the dialog after a deviation calculation: >18-30, IT7, size 25, hole basis, letter P,
# deviations calculated. Then the workbench, opened from there with Ctrl+F and set to a
# transition fit (H7/k6 at 25 mm), so that both a clearance and an interference show. Drives the
# real program under Xvfb with mouse clicks and keys. Then the window's fit finder tab (40 mm,
# clearance 10 to 60 µm) and its service conditions tab (H7/s6, hub 80 mm across, 30 mm long, 300 N·m).
# Last, the workbench alone in English and Chinese at 100 % and 200 % (docs/workbench-*.png).
# Usage: scripts/screenshot.sh [OUT.png [FIT_OUT.png [FINDER_OUT.png [SERVICE_OUT.png]]]]
#   (defaults docs/screenshot.png, docs/fit-window.png, docs/fit-finder.png and
#   docs/service-conditions.png; BUILD_DIR defaults to build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshot.png}")
fit_out=$(realpath -m "${2:-$root/docs/fit-window.png}")
finder_out=$(realpath -m "${3:-$root/docs/fit-finder.png}")
service_out=$(realpath -m "${4:-$root/docs/service-conditions.png}")
build=$(realpath -m "${BUILD_DIR:-$root/build}")
# shellcheck source=scripts/xvfb-session.sh
. "$root/scripts/xvfb-session.sh"

# Configured again each time: a build folder made before ui/ existed would lack the program.
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target quorlan >/dev/null
program=$build/ui/quorlan

start_xvfb_session

# The tables are read from the current directory, as where the desktop file starts the program.
# The workbench in Chinese, as the dialog speaks, whatever the machine's locale.
(cd "$root/data" && exec "$program" --lang zh) &
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

# A picture of one window, without the timestamps that would make every run's file differ.
save_window() { # window-id file
    mkdir -p "$(dirname "$2")"
    import -window "$1" "png:$2.tmp"
    convert "png:$2.tmp" -strip -define png:exclude-chunks=date,time "$2"
    rm -f "$2.tmp"
    echo "$2"
}
save_window "$window" "$out"

# The workbench, the way a user gets there: Ctrl+F in the dialog. It opens on the
# dialog's P7 (with the h6 of the hole basis' first preferred fit); its fields are reached with
# their Alt keys.
xdotool key ctrl+f
fit_window=""
for _ in $(seq 1 200); do
    fit_window=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '工作台' 2>/dev/null | head -n 1) || true
    [ -n "$fit_window" ] && break
    sleep 0.05
done
[ -n "$fit_window" ] || { echo "the workbench did not open" >&2; exit 1; }
xdotool windowfocus --sync "$fit_window" 2>/dev/null || true
sleep 0.3
xdotool key alt+d ctrl+a   # the fit field
xdotool type --delay 50 H7/k6
sleep 0.5
save_window "$fit_window" "$fit_out"

# The other tabs, one Ctrl+Tab along each from a field inside them; the window's one size is above
# the tabs.
xdotool key alt+s ctrl+a
xdotool type --delay 50 40
xdotool key alt+d ctrl+Tab
sleep 0.5
save_window "$fit_window" "$finder_out"
xdotool key ctrl+Tab
sleep 0.3
xdotool key alt+o
xdotool type --delay 50 80
xdotool key alt+l
xdotool type --delay 50 30
xdotool key alt+t
xdotool type --delay 50 300
xdotool key ctrl+shift+Tab ctrl+shift+Tab alt+d ctrl+a
xdotool type --delay 50 H7/s6
xdotool key ctrl+Tab ctrl+Tab
sleep 0.5
save_window "$fit_window" "$service_out"

# The workbench alone (quorlan --workbench) in English and in Chinese at 100 % and 200 % scaling,
# on a 1920 x 1080 screen: every button must stay on it. A private settings folder, so that
# nothing remembered from earlier runs shows.
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
app_pid=
stop_xvfb
XVFB_SCREEN=1920x1080x24 start_xvfb
config=$(mktemp -d)
for shot in en:1 zh:1 en:2 zh:2; do
    lang=${shot%:*}
    scale=${shot#*:}
    (cd "$root/data" && XDG_CONFIG_HOME=$config QT_SCALE_FACTOR=$scale exec "$program" --workbench --lang "$lang" \
        --fit H7/k6 --size 25) &
    app_pid=$!
    bench_window=$(wait_for_window "$app_pid")
    sleep 1
    save_window "$bench_window" "$root/docs/workbench-$lang-${scale}00.png"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    rm -rf "${config:?}"/*
done
rmdir "$config"
