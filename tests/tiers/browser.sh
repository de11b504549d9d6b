#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# Both programs' pages in real browsers: Debian's Chromium, headless, at device pixel
# ratios 1, 1.25, 1.5 and 2, and WebKitGTK's MiniBrowser in a virtual X server at
# ratios 1 and 2, each driven through its WebDriver by browser_client.py, which
# compares what the page shows with what webreference draws on the core alone.
# The browsers run side by side, each with its own driver, profile and display.
# Usage: tests/tiers/browser.sh [BUILD_DIR]: the pages in BUILD_DIR/web, webreference in
# BUILD_DIR/tests; ends with "N passed, N failed".
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
source "$here/session.sh"
started=$SECONDS

# A port no one listens on yet, for a driver.
free_port() {
    "$session_python" -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# Whether something listens on the port.
listening() {
    (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# One browser at one ratio, in the background: its driver, then the client against it.
# What the client finds goes to a file of its own, and how long it took.
run() {
    local browser=$1 ratio=$2 name=$1-$2 port begun=$SECONDS
    session_background
    exec >"$session_dir/$name.out" 2>"$session_dir/$name.log"
    port=$(free_port)
    mkdir -p "$session_dir/$name"
    if [ "$browser" = chromium ]; then
        session_spawn chromedriver --port="$port" >"$session_dir/$name.driver" 2>&1
    else
        session_x ":$3" 2600x1700 || { echo "FAIL: $name: no X server on :$3"; return; }
        # WebKit's renderer through GL is far too slow on a virtual screen.
        session_spawn env GDK_SCALE="$ratio" WEBKIT_DISABLE_DMABUF_RENDERER=1 WebKitWebDriver --port="$port" \
            >"$session_dir/$name.driver" 2>&1
    fi
    if ! session_wait 10 listening "$port"; then
        echo "FAIL: $name: the driver did not start"
    else
        timeout 160 "$session_python" "$here/browser_client.py" "$browser" "$ratio" "http://127.0.0.1:$port" \
            "$build/web" "$build/tests/webreference" "$session_dir/$name"
        case $? in
        0) ;;
        124) echo "FAIL: $name: no result within 160s" ;;
        *) echo "FAIL: $name: the client ended early" ;;
        esac
    fi
    echo "time: $name took $((SECONDS - begun))s"
}

runs=()
for ratio in 1 1.25 1.5 2; do
    session_spawn run chromium $ratio
    runs+=("$session_pid")
done
# Each WebKit on a display of its own, the first ones from :51 that no server holds.
display=${BROWSER_DISPLAY:-51}
for ratio in 1 2; do
    while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    session_spawn run webkit $ratio "$display"
    runs+=("$session_pid")
    display=$((display + 1))
done
wait "${runs[@]}"

results="$session_dir/results"
for name in chromium-1 chromium-1.25 chromium-1.5 chromium-2 webkit-1 webkit-2; do
    grep -sv '^time: ' "$session_dir/$name.out" >>"$results" || echo "FAIL: $name: no result" >>"$results"
    if grep -qs "^FAIL: $name: " "$session_dir/$name.out"; then
        echo "The client said, $name:" >&2
        tail -n 20 "$session_dir/$name.log" >&2
    fi
done
cat "$results"
grep -h '^time: ' "$session_dir"/*.out
passed=$(grep -c '^pass: ' "$results" || true)
failed=$(grep -c '^FAIL: ' "$results" || true)
echo "time: the tier took $((SECONDS - started))s"
echo "$passed passed, $failed failed"
((failed == 0 && passed > 0))
