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

# True while a process of this scenario's prefix runs a program whose command
# line holds NAME (other scenarios may run Wine programs at the same time).
prefix_program_running() {
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qiF "$1" && return 0
    done
    return 1
}
