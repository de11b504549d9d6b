#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the README's pictures docs/tessaro.png and docs/tubarin.png from the real
# programs: starts them one after the other in a virtual X server of 1024 x 768 pixels
# with a window manager, draws a figure through the program's own buttons with xdotool,
# points at a colour and captures the window with ImageMagick's import; then
# docs/browser.png, Tessaro's page in headless Chromium (webscreenshot.py).
# Run through ./run screenshots, which builds the programs and the pages first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
docs="$root/docs"
mkdir -p "$docs"

work=$(mktemp -d)
server= manager= program=
stop() {
    for process in "$@"; do
        kill "$process" 2>/dev/null || true
        wait "$process" 2>/dev/null || true
    done
}
trap 'stop $program $manager $server; rm -rf "$work"' EXIT

# Tries a command up to the given number of times, 0.1 seconds apart.
retry() {
    local times=$1
    shift
    for _ in $(seq "$times"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to a minute for a command to succeed.
wait_until() {
    retry 600 "$@" || { echo "Timed out waiting for: $*" >&2; cat "$work/log" >&2; exit 1; }
}

# A display number that no X server holds, neither by its lock file nor by a socket:
# a client would reach a socket of a server that is still going down before our own.
free_display() {
    local number=20
    while [ -e "/tmp/.X$number-lock" ] || grep -q "/tmp/.X11-unix/X$number\$" /proc/net/unix; do
        number=$((number + 1))
    done
    echo "$number"
}

export DISPLAY=":$(free_display)"
export XDG_RUNTIME_DIR="$work"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp 2>"$work/log" &
server=$!
wait_until xprop -root >/dev/null 2>&1
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
wait_until sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window'
# openbox announces itself before it handles the requests to map windows; a window
# mapped in that moment would never be shown.
sleep 2

# The colour of one screen pixel as six hexadecimal digits, red first.
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'
}
pixel_differs() { [ "$(pixel "$1" "$2")" != "$3" ]; }
# Waits until the pixel at x, y no longer has the given colour: the program has drawn there.
wait_for_change() { wait_until pixel_differs "$@"; }

# Moves the pointer to a screen position in two steps, so the program sees a movement there.
point_at() {
    xdotool mousemove "$(($1 - 3))" "$(($2 - 3))"
    xdotool mousemove "$1" "$2"
}

# Clicks at x, y until the pixel at px, py changes from the given colour. A window that
# has only just been mapped may miss the first click; a second click on the same place
# draws the same picture again.
click_until_drawn() {
    local x=$1 y=$2 px=$3 py=$4 before=$5
    for _ in $(seq 10); do
        point_at "$x" "$y"
        xdotool click 1
        retry 30 pixel_differs "$px" "$py" "$before" && return 0
    done
    echo "Nothing was drawn at $px, $py" >&2
    exit 1
}

# Starts a program and waits for its main window; sets window, and left, top, width and
# height of its client area on the screen.
start_program() {
    "$1" 2>>"$work/log" &
    program=$!
    wait_until xdotool search --onlyvisible --class "$(basename "$1")" >/dev/null
    window=$(xdotool search --onlyvisible --class "$(basename "$1")" | head -1)
    read -r left top width height <<<"$(xwininfo -id "$window" | awk '
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width/ {w = $NF} /^ *Height/ {h = $NF} END {print x, y, w, h}')"
}

# Captures the window with the frame the window manager drew around it, then ends the program.
capture() {
    sleep 0.5 # let the last repaint reach the screen
    local frame_left frame_right frame_top frame_bottom
    read -r frame_left frame_right frame_top frame_bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | tr -dc '0-9 ')"
    import -window root -define png:compression-level=9 +repage \
        -crop "$((width + frame_left + frame_right))x$((height + frame_top + frame_bottom))+$((left - frame_left))+$((top - frame_top))" \
        "$docs/$1"
    echo "docs/$1: $(stat -c %s "$docs/$1") bytes"
    stop "$program"
    program=
}

# Tessaro: the cube, a horizontal cut laid by a click on the front face half-way up, and
# the colour equation of a point in the section square.
start_program "$root/build/cube/tessaro"
# The window's own units: x 0..3000 and y -1000..1250 over the client area.
at_x() { echo $((left + $1 * width / 3000)); }
at_y() { echo $((top + ($1 + 1000) * height / 2250)); }
# The cube surface spans 50..1650 and -900..700 of those; inside, x runs 10..640 and y 570..-60.
cube_x() { echo $((left + (50 + ($1 - 10) * 1600 / 630) * width / 3000)); }
cube_y() { echo $((top + (100 + (570 - $1) * 1600 / 630) * height / 2250)); }
front_x=$(cube_x 392) front_y=$(cube_y 200) # red 128, blue 133 on the front face
click_until_drawn "$(at_x 1950)" "$(at_y 750)" "$front_x" "$front_y" C0C0C0 # Start
# The section square spans 1800..2800 and -900..100; a point low on its right, clear of its caption.
section_x=$(at_x 2600) section_y=$(at_y -50)
click_until_drawn "$front_x" "$front_y" "$section_x" "$section_y" 000000
point_at "$section_x" "$section_y"
wait_for_change "$(at_x 2800)" "$(at_y 450)" 000000 # the mixed colour
capture tessaro.png

# Tubarin: the hue circle, the pointer on a colour and its values in the three boxes.
start_program "$root/build/cylinder/tubarin"
# The window's own units are nearly square, 3000 across, with the origin half-way down
# the client area and as far from its left edge.
at_x() { echo $((left + width * 2 / 5 + $1 * width / 3000)); }
at_y() { echo $((top + height / 2 + $1 * width / 3000)); }
click_until_drawn "$(at_x 1300)" "$(at_y -850)" "$(at_x 990)" "$(at_y 0)" 404040 # Start1
wait_for_change "$(at_x 10)" "$(at_y 0)" 404040 # the rings are drawn from the rim inwards
point_at "$(at_x -450)" "$(at_y 350)"
capture tubarin.png

/usr/bin/python3 "$root/tools/webscreenshot.py" "$root/build/web/tessaro.html" "$work/browser.png"
convert "$work/browser.png" -define png:compression-level=9 "$docs/browser.png"
echo "docs/browser.png: $(stat -c %s "$docs/browser.png") bytes"
