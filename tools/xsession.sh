# Sourced by scripts that drive the real program: a private Xvfb (it picks a
# free display number and tells it) with openbox managing windows.
#   . tools/xsession.sh; xsession_start WORK_DIR [WIDTHxHEIGHT]; ...; xsession_stop
# Sets and exports DISPLAY.

xsession_start() {
    # The file a session before left would be read before this server's
    # number is in it.
    rm -f "$1/display"
    Xvfb -displayfd 3 -screen 0 "${2:-1024x768}x24" -nolisten tcp 3>"$1/display" 2>/dev/null &
    xsession_server=$!
    until [ -s "$1/display" ]; do sleep 0.05; done
    DISPLAY=:$(cat "$1/display")
    export DISPLAY
    # openbox announces itself before it manages windows, and a window mapped
    # in between stays unmapped; its start-up command runs once it manages.
    rm -f "$1/wm-ready"
    openbox --startup "touch $1/wm-ready" >/dev/null 2>&1 &
    xsession_wm=$!
    until [ -e "$1/wm-ready" ]; do sleep 0.05; done
}

# Waits for both to be gone: a server still exiting removes its socket, and
# would take the socket of the next session that got the same number with it.
xsession_stop() {
    kill ${xsession_wm:-} ${xsession_server:-} 2>/dev/null || true
    wait ${xsession_wm:-} ${xsession_server:-} 2>/dev/null || true
}
