# A desktop session of its own for the checks that drive Zandrel as a user would
# (scripts/a11y-check, scripts/orca-check). Sourced, not run.
#
#   trap session_end EXIT          first: ends the session however the script ends
#   session_start DISPLAY_NUMBER   a work folder ($session_work) with a home of its own, a
#                                  virtual display from DISPLAY_NUMBER on, a session bus and
#                                  the AT-SPI bus; returns once each of them answers
#   session_launch COMMAND...      runs COMMAND as part of the session (put it in the
#                                  background with &)
#   session_window_manager         starts openbox and returns once it has started
#
# Everything the session starts carries a mark in its environment, and so does whatever that
# starts in turn: the daemons that detach themselves (speech-dispatcher, dbus-launch's watcher)
# and the services the buses start on demand (the AT-SPI registry, dconf). When the script
# exits, every process with the mark is asked to end, and any that has not ended a few seconds
# later is killed, so nothing of the session outlives it. The work folder goes with it.

session_work=""
session_mark=""

session_launch() {
    env "$session_mark" "$@"
}

# The processes that carry this session's mark.
session_processes() {
    grep -lxzF -- "$session_mark" /proc/[0-9]*/environ 2>/dev/null |
        sed -E 's|^/proc/([0-9]+)/environ$|\1|' || true
}

session_end() {
    local pids deadline
    if [ -n "$session_mark" ]; then
        pids="$(session_processes)"
        if [ -n "$pids" ]; then
            # shellcheck disable=SC2086
            kill -TERM $pids 2>/dev/null || true
            deadline=$((SECONDS + 5))
            while [ -n "$pids" ] && [ $SECONDS -lt $deadline ]; do
                sleep 0.1
                pids="$(session_processes)"
            done
            if [ -n "$pids" ]; then
                # A speech-dispatcher blocked on its sound output does not end on TERM.
                # shellcheck disable=SC2086
                kill -KILL $pids 2>/dev/null || true
                deadline=$((SECONDS + 5))
                while [ -n "$pids" ] && [ $SECONDS -lt $deadline ]; do
                    sleep 0.1
                    pids="$(session_processes)"
                done
            fi
            if [ -n "$pids" ]; then
                echo "Left running despite KILL: $(echo $pids)" >&2
            fi
        fi
    fi
    if [ -n "$session_work" ]; then
        rm -rf "$session_work"
    fi
}

# Runs TEST until it succeeds, for at most SECONDS; says what did not come when it fails.
session_wait_for() {
    local what="$1" seconds="$2"
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        if [ $SECONDS -ge $deadline ]; then
            echo "$what did not start within $seconds seconds" >&2
            return 1
        fi
        sleep 0.1
    done
}

session_start() {
    local display_number="$1" ready=""
    session_work="$(mktemp -d)"
    session_mark="ZANDREL_DESKTOP_SESSION=$session_work"

    # The first free display from the one asked for. Xvfb writes the display's number to the
    # pipe once it accepts clients, and closes the pipe without it when the display is taken.
    mkfifo "$session_work/display-ready"
    for ((; display_number < $1 + 100; display_number++)); do
        if [ -e "/tmp/.X${display_number}-lock" ] || [ -e "/tmp/.X11-unix/X${display_number}" ]; then
            continue
        fi
        session_launch Xvfb ":${display_number}" -screen 0 1280x1024x24 -nolisten tcp \
            -displayfd 3 3>"$session_work/display-ready" >>"$session_work/xvfb.log" 2>&1 &
        read -r -t 30 ready <"$session_work/display-ready" || true
        [ "$ready" = "$display_number" ] && break
    done
    if [ "$ready" != "$display_number" ]; then
        echo "No virtual display could be started:" >&2
        cat "$session_work/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":${display_number}"

    # A home of its own: the programs start with their default settings and keep none.
    export HOME="$session_work/home" XDG_CONFIG_HOME="$session_work/home/.config"
    export XDG_DATA_HOME="$session_work/home/.local/share" XDG_CACHE_HOME="$session_work/home/.cache"
    export XDG_RUNTIME_DIR="$session_work/runtime"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"

    eval "$(session_launch dbus-launch --sh-syntax)"
    # The session bus starts the AT-SPI bus launcher on this call, which answers once the
    # accessibility bus is up.
    if ! dbus-send --session --print-reply=literal --reply-timeout=30000 --dest=org.a11y.Bus \
        /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null; then
        echo "The AT-SPI bus did not start" >&2
        return 1
    fi
}

session_window_manager() {
    # openbox runs its --startup command once it manages the screen.
    session_launch openbox --startup "touch $session_work/window-manager-ready" \
        >"$session_work/openbox.log" 2>&1 &
    session_wait_for "The window manager" 20 test -e "$session_work/window-manager-ready"
}
