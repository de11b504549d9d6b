#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# The colour under a real pointer. Tessaro and Tubarin run in a virtual X server at each
# scale, with and without a window manager; xdotool moves the pointer over consecutive
# device pixels across colour steps, and every readout (Tessaro's mixed colour on the
# screen, Tubarin's three boxes read through the accessibility bus) is compared with the
# screen pixel under the pointer. A click on a face of the cube must cut through the
# clicked pixel's colour, and Escape in the main window must leave the program running
# and the window as it was. Then, under weston, both main windows must fit the output.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build}
source "$root/tests/tiers/session.sh"
passed=0 failed=0

# Reads the pointer's readouts in the program whose window session_program found and
# prints one line; fails when one readout or cut differs from the screen.
measure() {
    timeout 90 "$session_python" - "$@" "$session_program_pid" "$session_left" "$session_top" \
        "$session_width" "$session_height" "$session_dir/screen${DISPLAY#:}.ppm" <<'PY'
import subprocess, sys, time

program, label, pid, left, top, width, height, shot = sys.argv[1:]
left, top, width, height = int(left), int(top), int(width), int(height)
problems = []

def screen():
    subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:" + shot], check=True)
    data = open(shot, "rb").read()
    fields, at = [], 0
    while len(fields) < 4:  # magic, width, height, maximum
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    stride = int(fields[1]) * 3
    return lambda x, y: tuple(data[at + 1 + y * stride + x * 3:at + 4 + y * stride + x * 3])

def move(x, y):
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], check=True)

def click(x, y):
    move(x, y)
    subprocess.run(["xdotool", "click", "1"], check=True)

def until(read, old, what, seconds=5):
    # Polls until a reading changes from old; a reading that never comes is a failure.
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = read()
        if value[0] != old:
            return value
        time.sleep(0.02)
    for problem in problems:
        print(f"  {program} {label}: {problem}")
    raise SystemExit(f"{program} {label}: FAILED, {what} did not change within {seconds}s")

def hexed(colour):
    return "%02X%02X%02X" % colour

def whose(pixel, x, y, colour):
    # Which pixel near the pointer the wrong readout came from, nearest first.
    near = sorted(((dx, dy) for dx in range(-2, 3) for dy in range(-2, 3) if dx or dy), key=lambda d: abs(d[0]) + abs(d[1]))
    for dx, dy in near:
        if pixel(x + dx, y + dy) == colour:
            return f" (the pixel at {dx:+d},{dy:+d} device pixels, y down)"
    return " (no pixel within two)"

def step_run(pixel, x, y, dx, dy, count=12):
    # From (x, y) on to the first pixel whose colour differs from the one before, then
    # count consecutive pixels from there.
    for _ in range(200):
        if pixel(x, y) != pixel(x - dx, y - dy):
            break
        x, y = x + dx, y + dy
    run = [(x + i * dx, y + i * dy) for i in range(count)]
    if len({pixel(*p) for p in run}) == 1:
        problems.append(f"no colour step from ({x},{y}) on")
    return run

def interleave(first, second):
    # Alternating two distant runs, each readout differs from the one before it.
    return [p for pair in zip(first, second) for p in pair]

if program == "tessaro":
    # The form's units: x 0..3000 and y -1000..1250 over the client area.
    fx = lambda u: left + round(u * width / 3000)
    fy = lambda v: top + round((v + 1000) * height / 2250)
    # The cube picture spans 50..1650 and -900..700 of those; inside, x runs 10..640
    # and y 570..-60.
    cx = lambda u: fx(50 + (u - 10) * 1600 / 630)
    cy = lambda v: fy(-900 + (570 - v) * 1600 / 630)
    mixed = (fx(2800), fy(450))
    # Two cuts can agree at one point of the square, never at all four corners.
    square = lambda pixel: tuple(pixel(fx(u), fy(v)) for u in (1850, 2750) for v in (-850, 50))
    pixel = screen()
    grey = pixel(cx(392), cy(200))
    click(fx(1950), fy(750))  # Start
    until(lambda: (screen()(cx(392), cy(200)),), grey, "the cube")
    # Each face's cut keeps one component, the one the clicked pixel must give: a pixel
    # where that component steps from its neighbour to the left or below. Searched from
    # red and green 128 on the top face, green 128 and blue 100 on the left face, red 64
    # and blue 133 on the front face, clear of the line the top face's cut draws down it.
    faces = [("top", (328, 446), 0, (-1, 0)), ("left", (136, 214), 1, (-1, 0)), ("front", (296, 200), 2, (0, 1))]
    cuts = 0
    for face, (u, v), component, (dx, dy) in faces:
        pixel = screen()
        x, y = cx(u), cy(v)
        for _ in range(40):
            here, there = pixel(x, y), pixel(x + dx, y + dy)
            if here[component] != there[component] and 0 not in (sum(here), sum(there)):
                break
            x, y = x - dx, y - dy
        else:
            problems.append(f"no step of the {face} face near ({cx(u)},{cy(v)})")
            continue
        before = square(pixel)
        click(x, y)
        after = until(lambda: (square(screen()),), before, f"the cut square after a click on the {face} face")
        pixel = screen()
        values = {pixel(sx, sy)[component] for sx in range(fx(1850), fx(2750), 7) for sy in range(fy(-850), fy(50), 7)}
        if values == {here[component]}:
            cuts += 1
        else:
            problems.append(f"{face} face click at ({x},{y}) on {hexed(here)}: cut at "
                            f"{'/'.join(str(value) for value in sorted(values)[:4])}, expected {here[component]}")
    # The front face's cut: red runs right, green up. A run along a row near the top of
    # the square and one down a column near its left edge, both clear of the caption
    # that still takes the pointer in the square's middle.
    pixel = screen()
    targets = interleave(step_run(pixel, fx(2300), fy(-800), 1, 0), step_run(pixel, fx(1900), fy(-300), 0, 1))
    readout = pixel(*mixed)
    exact = 0
    for x, y in targets:
        move(x, y)
        readout, pixel = until(lambda: (lambda p: (p(*mixed), p))(screen()), readout, f"the mixture at ({x},{y})")
        if readout == pixel(x, y):
            exact += 1
        else:
            problems.append(f"pixel ({x},{y}): mixture {hexed(readout)}, screen {hexed(pixel(x, y))}"
                            + whose(pixel, x, y, readout))
    summary = f"{exact}/{len(targets)} exact, cuts {cuts}/{len(faces)} exact"
    ok = exact == len(targets) and cuts == len(faces)
else:
    import pyatspi
    # Nearly square units, 3000 across, the origin as far from the left edge as from the
    # top, half-way down.
    unit = width / 3000
    fx = lambda u: left + round(height / 2 + u * unit)
    fy = lambda v: top + round(height / 2 + v * unit)
    pixel = screen()
    dark = pixel(fx(10), fy(0))
    click(fx(1300), fy(-850))  # Start1
    # The rings are drawn from the rim inwards.
    until(lambda: (screen()(fx(10), fy(0)),), dark, "the hue circle", seconds=60)
    pixel = screen()
    deadline = time.monotonic() + 10
    boxes = {}
    while len(boxes) < 3 and time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == int(pid):
                frame = app[0]
                boxes = {child.name: child.queryText() for child in frame if child.name in ("Rot", "Grün", "Blau")}
        time.sleep(0.1)
    if len(boxes) < 3:
        raise SystemExit(f"{program} {label}: FAILED, the boxes Rot, Grün and Blau were not found")
    def boxes_once():
        try:
            return tuple(int(boxes[name].getText(0, -1)) for name in ("Rot", "Grün", "Blau"))
        except ValueError:
            return None
    def boxes_read():
        # The boxes are read one after the other, so a reading counts once it repeats.
        value, again = None, boxes_once()
        while value != again:
            value, again = again, boxes_once()
        return (value,)
    # A row across the top of the circle and a column down its right.
    targets = interleave(step_run(pixel, fx(-6), fy(-500), 1, 0), step_run(pixel, fx(500), fy(-6), 0, 1))
    readout = boxes_read()[0]
    exact = 0
    for x, y in targets:
        move(x, y)
        readout = until(boxes_read, readout, f"the boxes at ({x},{y})")[0]
        if readout == pixel(x, y):
            exact += 1
        else:
            problems.append(f"pixel ({x},{y}): boxes {readout}, screen {pixel(x, y)}" + whose(pixel, x, y, readout))
    summary = f"{exact}/{len(targets)} exact"
    ok = exact == len(targets)

# Escape in the main window, as a pupil presses it to cancel or to stop a reader: the
# program runs on and the window shows what it showed.
def running():
    try:
        return open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()[0] not in "ZX"
    except OSError:
        return False

region = lambda pixel: [pixel(x, y) for y in range(top, top + height, 2) for x in range(left, left + width, 2)]
shown = region(screen())
subprocess.run(["xdotool", "key", "--clearmodifiers", "Escape"], check=True)
time.sleep(1)
escape_kept = False
if not running():
    problems.append("Escape in the main window ended the program")
elif region(screen()) != shown:
    problems.append("Escape in the main window changed what it shows")
else:
    escape_kept = True
summary += ", Escape kept" if escape_kept else ", Escape not kept"
ok = ok and escape_kept

for problem in problems:
    print(f"  {program} {label}: {problem}")
print(f"{program} {label}: {summary}")
sys.exit(0 if ok else 1)
PY
}

# One program at one scale: "tessaro" or "tubarin", the label, then the environment;
# with place set, the window is moved there first.
run() {
    local program=$1 label=$2 folder=cube
    shift 2
    [ "$program" = tessaro ] || folder=cylinder
    if ! session_program "$@" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$build/$folder/$program" ||
        { [ -n "${place:-}" ] && ! { xdotool windowmove --sync "$session_window" $place && session_geometry; }; }; then
        echo "$program $label: FAILED, the window did not appear where asked"
        failed=$((failed + 1))
    elif measure "$program" "$label"; then
        passed=$((passed + 1))
    else
        [ $? -ne 124 ] || echo "$program $label: FAILED, no result within 90s"
        failed=$((failed + 1))
    fi
    session_end_program
}

# One program with or without the window manager through every screen and scale, on
# its own displays from the given one; what it finds goes to a file of its own.
sweep() {
    local program=$1 wm=$2 display=$3 screen size scales scale
    session_background
    exec >"$session_dir/$program-$wm.out" 2>&1
    for screen in "1920x1080 1 1.25 1.5 dpi144" "2560x1440 1.75" "2048x1536 2"; do
        read -r size scales <<<"$screen"
        session_x ":$display" "$size" && { [ $wm = no-wm ] || session_wm; } || { failed=$((failed + 1)); break; }
        display=$((display + 1))
        for scale in $scales; do
            if [ "$scale" = dpi144 ]; then
                session_dpi 144
                run "$program" "Xft.dpi 144 $wm"
                session_dpi
            else
                run "$program" "scale $scale $wm" QT_SCALE_FACTOR="$scale"
            fi
            # A window that does not lie where the program put it.
            if [ "$scale" = 1.5 ] && [ $wm = no-wm ]; then
                place="7 5" run "$program" "scale 1.5 no-wm at 7,5" QT_SCALE_FACTOR=1.5
            fi
        done
        session_end_x
    done
    echo "$passed $failed" >"$session_dir/$program-$wm.count"
}

# Under weston the window, frame included, must show whole: its geometry as the program
# gives it to the compositor against what a picture of the output shows of it.
fits() {
    local program=$1 folder=cube log=$session_dir/$1.wayland geometry shown
    [ "$program" = tessaro ] || folder=cylinder
    session_spawn env QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$build/$folder/$program" >/dev/null 2>"$log"
    if session_wait 20 grep -q set_window_geometry "$log" && session_wait 20 shown_stable; then
        geometry=$(sed -n 's/.*set_window_geometry(\(.*\))/\1/p' "$log" | tail -1 | tr -d ,)
        read -r _ _ width height <<<"$geometry"
        if [ "$shown" = "${shown% * *} $width $height" ]; then
            echo "$program wayland 1280x1024: fits, ${width}x$height"
            passed=$((passed + 1))
        else
            echo "$program wayland 1280x1024: FAILED, window ${width}x$height, shown left top width height $shown"
            failed=$((failed + 1))
        fi
    else
        echo "$program wayland 1280x1024: FAILED, no window was shown"
        failed=$((failed + 1))
    fi
    session_end "$session_pid"
}

# What the output shows, once two pictures in a row agree.
shown_stable() {
    local before=${shown:-}
    session_wayland_shot "$session_dir/wayland.ppm" && shown=$(session_bounds "$session_dir/wayland.ppm") &&
        [ "$shown" != "0 0 0 0" ] && [ "$shown" = "$before" ]
}

session_dbus || { echo "0 passed, 1 failed"; exit 1; }
sweeps=() display=21
for program in tessaro tubarin; do
    for wm in no-wm openbox; do
        session_spawn sweep $program $wm $display
        sweeps+=("$session_pid")
        display=$((display + 3))
    done
done

if session_wayland wl-xtier-1 1280x1024; then
    for program in tessaro tubarin; do
        shown= fits $program
    done
else
    failed=$((failed + 1))
fi

wait "${sweeps[@]}"
for program in tessaro tubarin; do
    for wm in no-wm openbox; do
        cat "$session_dir/$program-$wm.out"
        if read -r more fewer <"$session_dir/$program-$wm.count"; then
            passed=$((passed + more)) failed=$((failed + fewer))
        else
            echo "$program $wm: FAILED, the sweep did not finish"
            failed=$((failed + 1))
        fi
    done
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
