# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

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

# The processes a process started, and theirs, by their ids.
session_descendants() {
    local child
    for child in $(cat /proc/"$1"/task/*/children 2>/dev/null); do
        echo "$child"
        session_descendants "$child"
    done
}

# Ends processes and what they started: a shell waiting for a command would otherwise
# take the request only when the command ends.
session_kill() {
    local pid family
    for pid in "$@"; do
        family=$(session_descendants "$pid")
        kill "$pid" $family 2>/dev/null || true
        # A process that ignores the request is not waited for forever.
        timeout 5 tail --pid="$pid" -f /dev/null 2>/dev/null || kill -9 "$pid" $family 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

session_stop_all() {
    local i
    for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
        session_kill "${session_pids[i]}"
    done
    session_pids=()
}

session_cleanup() {
    session_stop_all
    [ "$BASHPID" != "$session_shell" ] || rm -rf "$session_dir"
}
session_shell=$BASHPID
trap session_cleanup EXIT
trap 'exit 130' INT TERM

# Starts a command in the background, to be ended on exit; sets session_pid.
session_spawn() {
    "$@" &
    session_pid=$!
    session_pids+=("$session_pid")
}

# Called first in a function that session_spawn runs in the background, so that it ends
# what it starts itself, and only that.
session_background() {
    session_pids=()
    trap session_stop_all EXIT
    trap 'exit 130' INT TERM
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
    local command=("$@") class
    while [[ $1 == *=* ]]; do shift; done
    class=$(basename "$1")
    session_spawn env "${command[@]}" >>"$session_dir/$class.log" 2>&1
    session_program_pid=$session_pid
    session_window=$(timeout 30 xdotool search --sync --onlyvisible --class "$class" | head -1)
    if [ -z "$session_window" ]; then
        echo "session: no window of $class appeared" >&2
        tail -5 "$session_dir/$class.log" >&2
        return 1
    fi
    # A window manager may still be framing the window as it shows: the place counts
    # once two readings agree.
    local before
    session_geometry
    for _ in $(seq 25); do
        before="$session_left $session_top $session_width $session_height"
        sleep 0.2
        session_geometry
        [ "$before" != "$session_left $session_top $session_width $session_height" ] || break
    done
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

# A Wayland compositor on its own socket name, headless at the given size, with a black
# desktop and no panel, so that a picture shows the windows alone; sets WAYLAND_DISPLAY
# for the programs. session_wayland_shot takes a picture of the output.
session_wayland() {
    printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nbackground-color=0xff000000\n' >"$session_dir/weston.ini"
    session_spawn weston --backend=headless-backend.so --width="${2%x*}" --height="${2#*x}" \
        --socket="$1" --use-pixman --debug --config="$session_dir/weston.ini" >"$session_dir/weston.log" 2>&1
    session_wayland_pid=$session_pid
    export WAYLAND_DISPLAY=$1
    session_wait 20 test -S "$XDG_RUNTIME_DIR/$1" || { tail -5 "$session_dir/weston.log" >&2; return 1; }
}

# The compositor's output into a binary PPM file.
session_wayland_shot() {
    local picture
    rm -rf "$session_dir/wayland-shots" && mkdir "$session_dir/wayland-shots"
    (cd "$session_dir/wayland-shots" && timeout 10 weston-screenshooter) || return 1
    picture=$(ls "$session_dir"/wayland-shots/*.png) && convert "$picture" -depth 8 "ppm:$1"
}

# The smallest rectangle holding every pixel of a session_shot file that is not black,
# as "left top width height".
session_bounds() {
    "$session_python" - "$1" <<'PY'
import re, sys
data = open(sys.argv[1], "rb").read()
header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+\d+\s", data)
width, height = int(header[1]), int(header[2])
stride, first, last, top, bottom = width * 3, width, -1, None, None
for y in range(height):
    row = data[header.end() + y * stride:header.end() + (y + 1) * stride]
    lead = len(row) - len(row.lstrip(b"\0"))
    if lead < stride:
        top = y if top is None else top
        bottom = y
        first = min(first, lead // 3)
        last = max(last, (len(row.rstrip(b"\0")) - 1) // 3)
print(*((first, top, last - first + 1, bottom - top + 1) if top is not None else (0, 0, 0, 0)))
PY
}
