# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by ./run and ./test: installs what is missing on a Debian 12 or 13 machine, then
# configures and builds the targets named in build_targets (all when empty). Sourced,
# so it runs in the caller's shell.

# The validators, dpkg-dev, file, lintian and python3-debian build and check the
# Debian package, reuse the licence notices (it needs git to leave out what .gitignore
# names, such as build/); a caller may name more in extra_packages.
packages=(g++ make cmake qt6-base-dev fonts-liberation2 fontconfig
          desktop-file-utils appstream dpkg-dev file lintian python3-debian reuse git ${extra_packages:-})
# ./test also drives the programs from outside (tests/tiers): a virtual X server with a
# window manager, pointer input and screenshots, a resource database for Xft.dpi, a
# private session bus with the accessibility bus behind it and a client of it, and a
# Wayland compositor with Qt's plugin for it.
if [ -n "${with_tiers:-}" ]; then
    packages+=(xvfb openbox xdotool x11-utils x11-xserver-utils imagemagick dbus-daemon dbus-bin
               at-spi2-core python3-pyatspi weston qt6-wayland)
fi
# The browser build: emscripten, and fonttools with brotli to cut the fonts the pages
# carry. ./test also opens the pages in Chromium and in WebKitGTK, through their
# WebDriver.
if [ -n "${with_web:-}" ]; then
    packages+=(emscripten fonttools python3-brotli)
fi
if [ -n "${with_tiers:-}" ]; then
    packages+=(chromium chromium-driver python3-selenium python3-numpy webkit2gtk-driver)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Please install as root: apt-get install ${missing[*]}" >&2
            exit 1
        fi
        as_root=(sudo)
    fi
    "${as_root[@]}" apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)

# The browser build: the same tree configured with emscripten's toolchain, each program
# one page in build/web, with a page that links both. Debian's emscripten finds its
# JavaScript modules where Debian's Node.js keeps them, whichever Node.js runs it.
build_web() {
    export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
    emcmake cmake -S "$root" -B "$root/build/web-build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$root/build/web-build" --parallel "$jobs"
    mkdir -p "$root/build/web"
    cp "$root/build/web-build/cube/tessaro.html" "$root/build/web-build/cylinder/tubarin.html" \
        "$root/platform/web/index.html" "$root/build/web/"
}

if [ -n "${web_only:-}" ]; then
    build_web
    return 0
fi
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
target_options=()
for target in ${build_targets:-}; do
    target_options+=(--target "$target")
done
cmake --build "$root/build" --parallel "$jobs" "${target_options[@]}"
