# Polling with a deadline: the e2e scripts never sleep a fixed time.

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds
# (returns 0) or SECONDS have passed (returns 1).
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        if ((SECONDS >= deadline)); then
            return 1
        fi
        sleep 0.1
    done
}

# True while any of the given process ids is still running.
any_running() {
    local pid
    for pid in "$@"; do
        kill -0 "$pid" 2>/dev/null && return 0
    done
    return 1
}

none_running() { ! any_running "$@"; }
