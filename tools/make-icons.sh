#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the programs' PNG icons from their SVG drawings. The PNGs are kept in the
# repository, so a build needs no SVG renderer; run this after changing an SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
icons=$(cd "$(dirname "${BASH_SOURCE[0]}")/../desktop/icons" && pwd)
for program in tessaro tubarin; do
    for size in 16 32 48 64 128 256; do
        rsvg-convert --width "$size" --height "$size" "$icons/$program.svg" --output "$icons/$program-$size.png"
    done
done
