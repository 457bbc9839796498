# A private X server for the windows of the tests and the demo.

# start_xvfb [GEOMETRY]: starts Xvfb on a free display (default 1024x768x24)
# and exports DISPLAY; the caller stops it with stop_xvfb.
start_xvfb() {
    local geometry=${1:-1024x768x24}
    local number_file
    number_file=$(mktemp)
    # Xvfb picks a free display number and writes it to descriptor 3.
    Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    if ! wait_until 20 test -s "$number_file"; then
        echo "Xvfb did not start" >&2
        rm -f "$number_file"
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$number_file")"
    rm -f "$number_file"
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
}
