# shellcheck shell=bash
# Sourced by scripts/screenshot.sh and scripts/measure-startup.sh: a private X server for the dialog.

# Starts Xvfb on the first free display (24-bit, 96 dpi; XVFB_SCREEN, default 1280x800x24) and
# exports DISPLAY; sets XVFB_PID.
# -noreset: a server that resets whenever its last client leaves refuses the next one meanwhile.
start_xvfb() {
    local n
    for n in $(seq 91 199); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1280x800x24}" -dpi 96 -nolisten tcp -noreset >/dev/null 2>&1 &
            XVFB_PID=$!
            export DISPLAY=":$n"
            local _
            for _ in $(seq 1 100); do
                if xdotool getdisplaygeometry >/dev/null 2>&1; then
                    return 0
                fi
                if ! kill -0 "$XVFB_PID" 2>/dev/null; then
                    break
                fi
                sleep 0.05
            done
            kill "$XVFB_PID" 2>/dev/null || true
        fi
    done
    echo "no X display could be started" >&2
    return 1
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
}

# Prints the id of the first mapped window of a process, waiting up to 10 s for it.
wait_for_window() {
    local pid=$1 id
    for _ in $(seq 1 2000); do
        id=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.005
    done
    echo "no window from process $pid" >&2
    return 1
}

# Starts Xvfb and ends it on exit, together with the program whose process id the caller puts
# into app_pid.
app_pid=
end_xvfb_session() {
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    stop_xvfb
}
start_xvfb_session() {
    trap end_xvfb_session EXIT
    start_xvfb
}
