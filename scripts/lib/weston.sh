# A private Wayland compositor (weston, headless) for tests and the package check. Source it; do
# not run it.
#
#   start_private_weston LOGFILE   starts weston in $XDG_RUNTIME_DIR (which must be set and
#                                  private), sets WESTON_PID and exports WAYLAND_DISPLAY; returns
#                                  1 when it could not be started (LOGFILE then says why)
#   stop_private_weston            stops it and waits until it is gone; safe to call twice
#
# Callers stop the compositor from their own EXIT trap.

WESTON_PID=

start_private_weston() {
    local log=$1 socket attempt
    if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
        echo "start_private_weston: XDG_RUNTIME_DIR must name an existing private folder" >"$log"
        return 1
    fi
    for attempt in 1 2 3; do
        socket="wayland-zodiac-$$-$attempt"
        # The headless back end needs no screen or input devices; the pixman renderer draws real
        # pixels, so the windows can be captured like on any desktop. No idle blanking.
        weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 --no-config \
            --idle-time=0 --socket="$socket" >"$log" 2>&1 &
        WESTON_PID=$!
        # The socket appears before the shell is loaded; a client that connects early is served
        # once the compositor's loop runs, and by then the shell is in place.
        for _ in $(seq 100); do
            [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
            kill -0 "$WESTON_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [ -S "$XDG_RUNTIME_DIR/$socket" ] && kill -0 "$WESTON_PID" 2>/dev/null; then
            export WAYLAND_DISPLAY=$socket
            return 0
        fi
        stop_private_weston
        sleep 0.5
    done
    return 1
}

stop_private_weston() {
    if [ -n "${WESTON_PID:-}" ]; then
        kill "$WESTON_PID" 2>/dev/null
        wait "$WESTON_PID" 2>/dev/null || true
        WESTON_PID=
    fi
}
