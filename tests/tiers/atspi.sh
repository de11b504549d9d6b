#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# Both programs as a screen reader sees them: each runs under a virtual X server with
# openbox and a private session and accessibility bus, driven by real key events, and
# atspi_client.py reads over AT-SPI what a reader would be given and speak.
# Usage: tests/tiers/atspi.sh [BUILD_DIR]; ends with "N passed, N failed".
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../../build}
source "$here/session.sh"

session_x "${ATSPI_DISPLAY:-:41}" 1024x768
session_wm
session_dbus

results="$session_dir/results"
for program in cube/tessaro cylinder/tubarin; do
    session_program QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$build/$program"
    if ! timeout 90 "$session_python" "$here/atspi_client.py" "${program#*/}" >>"$results" 2>>"$session_dir/client.log"; then
        echo "FAIL: ${program#*/}: the client ended early" >>"$results"
    fi
    session_end_program
done

cat "$results"
passed=$(grep -c '^pass: ' "$results" || true)
failed=$(grep -c '^FAIL: ' "$results" || true)
if ((failed)); then
    echo "The programs and the client said:" >&2
    tail -n 20 "$session_dir/program.log" "$session_dir/client.log" >&2
fi
echo "$passed passed, $failed failed"
((failed == 0 && passed > 0))
