# Starts the real window systems the outside tiers drive the programs in: a virtual X
# server of a given size, with or without a window manager and a resource database, a
# Wayland compositor, a private D-Bus session; the program with its own environment;
# pointer input through xdotool and screenshots read back as pixels. Sourced by a tier.
# Every wait is bounded, and whatever is started here is ended when the tier exits.
# Needs no desktop, no user's session bus and nothing in $HOME.

session_dir=$(mktemp -d)
session_pids=()
session_python=/usr/bin/python3 # the system's, which has the distribution's bindings
export HOME="$session_dir" XDG_RUNTIME_DIR="$session_dir" XDG_CONFIG_HOME="$session_dir/config"
chmod 700 "$session_dir"
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY SESSION_MANAGER

session_kill() {
    local pid
    for pid in "$@"; do
        kill "$pid" 2>/dev/null || true
        # A process that ignores the request is not waited for forever.
        timeout 5 tail --pid="$pid" -f /dev/null 2>/dev/null || kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

session_cleanup() {
    local i
    for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
        session_kill "${session_pids[i]}"
    done
    session_pids=()
    rm -rf "$session_dir"
}
trap session_cleanup EXIT
trap 'exit 130' INT TERM

# Starts a command in the background, to be ended on exit; sets session_pid.
session_spawn() {
    "$@" &
    session_pid=$!
    session_pids+=("$session_pid")
}

# Ends one process started by session_spawn.
session_end() {
    local pid=$1 kept=() other
    session_kill "$pid"
    for other in "${session_pids[@]}"; do
        [ "$other" = "$pid" ] || kept+=("$other")
    done
    session_pids=("${kept[@]}")
}

# Runs a command every 0.1 seconds until it succeeds, for at most the given seconds.
session_wait() {
    local seconds=$1 tries
    shift
    for ((tries = seconds * 10; tries > 0; tries--)); do
        "$@" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "session: timed out after ${seconds}s waiting for: $*" >&2
    return 1
}

# A virtual X server on the given display (":21") at the given size ("1920x1080").
session_x() {
    export DISPLAY=$1
    if [ -e "/tmp/.X${1#:}-lock" ]; then
        echo "session: display $1 is taken" >&2
        return 1
    fi
    session_spawn Xvfb "$1" -screen 0 "${2}x24" -nolisten tcp -noreset 2>"$session_dir/xvfb${1#:}.log"
    session_x_pid=$session_pid
    session_wait 20 xprop -root >/dev/null || { cat "$session_dir/xvfb${1#:}.log" >&2; return 1; }
}

session_end_x() {
    session_end_wm
    session_end "$session_x_pid"
}

# openbox as the window manager; session_end_wm ends it again.
session_wm() {
    session_spawn openbox --sm-disable --config-file /dev/null >/dev/null 2>&1
    session_wm_pid=$session_pid
    session_wait 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window'
    # openbox announces itself before it handles the requests to map windows; a window
    # mapped in that moment would never be shown.
    sleep 1
}

session_end_wm() {
    [ -n "${session_wm_pid:-}" ] || return 0
    session_end "$session_wm_pid"
    session_wm_pid=
}

# Sets Xft.dpi in the server's resource database, or with no argument removes it.
session_dpi() {
    if [ -n "${1:-}" ]; then
        echo "Xft.dpi: $1" | xrdb -merge -nocpp
    else
        xrdb -remove
    fi
}

# A private session bus with the accessibility bus behind it; sets DBUS_SESSION_BUS_ADDRESS.
session_dbus() {
    local address
    session_spawn dbus-daemon --session --nofork --print-address=3 3>"$session_dir/dbus-address" >"$session_dir/dbus.log" 2>&1
    session_wait 10 test -s "$session_dir/dbus-address" || return 1
    read -r address <"$session_dir/dbus-address"
    export DBUS_SESSION_BUS_ADDRESS=$address
    # Asking for the accessibility bus starts it, by the bus's own activation. What the
    # services it starts print, such as the registry's greeting, goes to the bus's log.
    session_wait 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
}

# Starts a program: session_program [NAME=VALUE...] COMMAND [ARGUMENT...]; waits for its
# visible window and sets session_program_pid, session_window and the client area's
# session_left, session_top, session_width and session_height in device pixels.
session_program() {
    local class
    session_spawn env "$@" >>"$session_dir/program.log" 2>&1
    session_program_pid=$session_pid
    while [[ $1 == *=* ]]; do shift; done
    class=$(basename "$1")
    session_window=$(timeout 30 xdotool search --sync --onlyvisible --class "$class" | head -1)
    if [ -z "$session_window" ]; then
        echo "session: no window of $class appeared" >&2
        tail -5 "$session_dir/program.log" >&2
        return 1
    fi
    session_geometry
}

# Reads the client area of session_window again, after the program or a manager moved it.
session_geometry() {
    read -r session_left session_top session_width session_height <<<"$(xwininfo -id "$session_window" | awk '
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width/ {w = $NF} /^ *Height/ {h = $NF} END {print x, y, w, h}')"
}

session_end_program() {
    session_end "$session_program_pid"
}

# The pointer to a screen position; session_click clicks there.
session_move() { xdotool mousemove --sync "$1" "$2"; }
session_click() {
    session_move "$1" "$2"
    xdotool click 1
}

# The whole screen into a binary PPM file.
session_shot() {
    import -window root -depth 8 "ppm:$1"
}

# One pixel of a session_shot file as "red green blue".
session_pixel() {
    local width header
    read -r width header <<<"$(head -c 64 "$1" | awk 'NR == 1 {n = length($0) + 1} NR == 2 {w = $1; n += length($0) + 1}
        NR == 3 {print w, n + length($0) + 1; exit}')"
    od -An -tu1 -j $((header + ($3 * width + $2) * 3)) -N3 "$1" | awk '{print $1, $2, $3}'
}

# A Wayland compositor on its own socket name, headless at the given size; sets
# WAYLAND_DISPLAY for the programs and lets weston-screenshooter take a picture.
session_wayland() {
    session_spawn weston --backend=headless-backend.so --width="${2%x*}" --height="${2#*x}" \
        --socket="$1" --use-pixman --debug --idle-time=0 >"$session_dir/weston.log" 2>&1
    session_wayland_pid=$session_pid
    export WAYLAND_DISPLAY=$1
    session_wait 20 test -S "$XDG_RUNTIME_DIR/$1" || { tail -5 "$session_dir/weston.log" >&2; return 1; }
}
