# A private X server for tests, the package check and the benchmark. Source it; do not run it.
#
#   start_private_xvfb LOGFILE   starts Xvfb, sets XVFB_PID and exports DISPLAY; returns 1 when
#                                no server could be started (LOGFILE then says why)
#   stop_private_xvfb            stops it and waits until it is gone; safe to call twice
#
# Callers stop the server from their own EXIT trap.

XVFB_PID=

start_private_xvfb() {
    local log=$1 display= fd attempt
    # The server reports the display number it took. Another server starting at the same moment
    # can take the same number and win, so the display is checked and the start retried.
    # -noreset: by default the server resets when its last client leaves (here the check), and a
    # program connecting during the reset is turned away.
    for attempt in 1 2 3; do
        exec {fd}<> <(:)
        Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$log" 2>&1 &
        XVFB_PID=$!
        if read -r -t 10 -u "$fd" display && DISPLAY=":$display" xwininfo -root >/dev/null 2>&1 &&
            kill -0 "$XVFB_PID" 2>/dev/null; then
            exec {fd}>&-
            export DISPLAY=":$display"
            return 0
        fi
        exec {fd}>&-
        stop_private_xvfb
        display=
        sleep 0.5
    done
    return 1
}

stop_private_xvfb() {
    # Wait for the server to be gone: a server still shutting down keeps its display number
    # reachable, and the next one started could be handed the same number.
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
}
