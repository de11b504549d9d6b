#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks what a desktop gets from the build: installs it into a temporary root, checks
# that every file is in its freedesktop place, validates the desktop entries and the
# AppStream metainfo, then builds the Debian package, checks its contents, its
# copyright file and changelog and runs lintian on it; last, checks that every file of
# the source tree carries its licence (reuse lint). Called by ./test after the build.
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
    echo share/doc/farbenlehre/copyright
    echo share/doc/farbenlehre/changelog.gz
    for program in tessaro tubarin; do
        echo "share/man/man1/$program.1.gz"
        echo "share/man/de/man1/$program.1.gz"
    done
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
        [[ $(file -b "$png") == "PNG image data, $size x $size,"* ]] || fail "$png is not a $size x $size PNG"
    done
    entry="$staging/usr/share/applications/$id.desktop"
    metainfo="$staging/usr/share/metainfo/$id.metainfo.xml"
    program=$(sed -n 's/^Exec=//p' "$entry")
    [ -n "$program" ] && [ -f "$staging/usr/bin/$program" ] && [ -x "$staging/usr/bin/$program" ] \
        || fail "$id: Exec=$program is not an installed program"
    [ "$(sed -n 's/^Icon=//p' "$entry")" = "$id" ] || fail "$id: Icon is not the installed icon's name"
    grep -q "<binary>$program</binary>" "$metainfo" || fail "$id: the metainfo does not provide $program"
    # AppStream 0.16 accepts a metainfo without either.
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" \
        || fail "$id: the metainfo does not name the programs' licence"
    grep -qE '<url type="homepage">https?://[^<]+</url>' "$metainfo" || fail "$id: the metainfo has no homepage"
done

# Hints are advice (more than one main category is what Education;Science; means);
# errors and warnings fail.
echo "desktop-file-validate:"
report=$(desktop-file-validate "$staging"/usr/share/applications/*.desktop 2>&1) || fail "desktop-file-validate"
echo "${report:-(no messages)}"
if grep -qE ': (error|warning):' <<<"$report"; then
    fail "desktop-file-validate reports errors or warnings"
fi

# Infos and pedantic notes are shown; errors and warnings fail, whether or not this
# release's validator counts warnings as failing. One file at a time: AppStream 0.16
# repeats the first file's notes under the second.
echo "appstreamcli validate --no-net --pedantic:"
for id in "${ids[@]}"; do
    if ! report=$(appstreamcli validate --no-net --pedantic "$staging/usr/share/metainfo/$id.metainfo.xml" 2>&1) \
        || grep -qE '^ *[EW]: ' <<<"$report"; then
        fail "$id: appstreamcli reports errors or warnings"
    fi
    echo "$report"
done

echo "Building the Debian package"
rm -f "$build"/package/*.deb
(cd "$build" && cpack --config CPackConfig.cmake >"$staging/cpack.log" 2>&1) \
    || { cat "$staging/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
deb=$(ls "$build"/package/*.deb)
if ! diff <(expected | sed 's|^|usr/|' | sort) <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | sort); then
    fail "package contents differ from the expected list (< expected, > packaged)"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation2 qt6-qpa-plugins libqt6widgets6 libc6; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, depends on $depends"

# lintian reads the copyright file's licences but not its syntax, which only source
# packages are checked for.
unpacked="$staging/unpacked"
dpkg-deb -x "$deb" "$unpacked"
/usr/bin/python3 - "$unpacked/usr/share/doc/farbenlehre/copyright" <<'PYTHON' || fail "the copyright file is not machine-readable"
import sys
from debian.copyright import Copyright
with open(sys.argv[1], encoding="utf-8") as file:
    copyright = Copyright(file, strict=True)
texts = {paragraph.license.synopsis for paragraph in copyright.all_license_paragraphs()}
for paragraph in copyright.all_files_paragraphs():
    if not paragraph.license.text and paragraph.license.synopsis not in texts:
        sys.exit(f"no text for the licence {paragraph.license.synopsis} of {' '.join(paragraph.files)}")
PYTHON
zcat "$unpacked/usr/share/doc/farbenlehre/changelog.gz" >"$staging/changelog"
changelog_version=$(dpkg-parsechangelog -l "$staging/changelog" -S Version)
[ "$changelog_version" = "$(dpkg-deb -f "$deb" Version)" ] \
    || fail "the changelog's last entry is for version $changelog_version, not the package's"

echo "lintian:"
lintian --fail-on error,warning --display-info "$deb" 2> >(grep -v 'running with root privileges' >&2) \
    || fail "lintian reports errors or warnings"

echo "reuse lint:"
if report=$(reuse --root "$root" lint 2>&1); then
    tail -n 1 <<<"$report"
else
    # Outside a git checkout every file under build/ would count as a source file.
    head -n 40 <<<"$report"
    echo "..."
    grep -E '^\* (Files with|Missing|Bad|Unused)' <<<"$report"
    fail "reuse lint: files without a licence or copyright notice"
fi

exit "$failed"
