#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks what a desktop gets from the build: installs it into a temporary root, checks
# that every file is in its freedesktop place, validates the desktop entries and the
# AppStream metainfo, then builds the Debian package and checks its contents.
# Called by ./test after the build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT

failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

ids=(de.farbenlehre.Tessaro de.farbenlehre.Tubarin)
sizes=(16 32 48 64 128 256)
expected() {
    echo bin/tessaro
    echo bin/tubarin
    for id in "${ids[@]}"; do
        echo "share/applications/$id.desktop"
        echo "share/metainfo/$id.metainfo.xml"
        echo "share/icons/hicolor/scalable/apps/$id.svg"
        for size in "${sizes[@]}"; do
            echo "share/icons/hicolor/${size}x$size/apps/$id.png"
        done
    done
}

echo "Installing into a temporary root"
cmake --install "$build" --prefix "$staging/usr" >/dev/null
if ! diff <(expected | sort) <(cd "$staging/usr" && find . -type f -printf '%P\n' | sort); then
    fail "installed files differ from the expected list (< expected, > installed)"
fi

for id in "${ids[@]}"; do
    for size in "${sizes[@]}"; do
        png="$staging/usr/share/icons/hicolor/${size}x$size/apps/$id.png"
        file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a $size x $size PNG"
    done
    entry="$staging/usr/share/applications/$id.desktop"
    program=$(sed -n 's/^Exec=//p' "$entry")
    [ -x "$staging/usr/bin/$program" ] || fail "$id: Exec=$program is not an installed program"
    [ "$(sed -n 's/^Icon=//p' "$entry")" = "$id" ] || fail "$id: Icon is not the installed icon's name"
    grep -q "<binary>$program</binary>" "$staging/usr/share/metainfo/$id.metainfo.xml" \
        || fail "$id: the metainfo does not provide $program"
done

# Hints are advice (more than one main category is what Education;Science; means);
# errors and warnings fail.
echo "desktop-file-validate:"
report=$(desktop-file-validate "$staging"/usr/share/applications/*.desktop 2>&1) || fail "desktop-file-validate"
echo "${report:-(no messages)}"
grep -qE ': (error|warning):' <<<"$report" && fail "desktop-file-validate reports errors or warnings"

echo "appstreamcli validate --no-net:"
appstreamcli validate --no-net "$staging"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
appstreamcli validate --no-net --format=yaml "$staging"/usr/share/metainfo/*.metainfo.xml \
    | grep -qE '^ *severity: (error|warning)' && fail "appstreamcli reports errors or warnings"

echo "Building the Debian package"
rm -f "$build"/package/*.deb
(cd "$build" && cpack --config CPackConfig.cmake >"$staging/cpack.log" 2>&1) || { cat "$staging/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/package/*.deb)
if ! diff <(expected | sed 's|^|usr/|' | sort) <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | sort); then
    fail "package contents differ from the expected list (< expected, > packaged)"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation2 qt6-qpa-plugins libqt6widgets6 libc6; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, depends on $depends"

exit "$failed"
