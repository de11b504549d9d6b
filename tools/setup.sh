# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by ./run and ./test: installs what is missing on a Debian 12 machine, then
# configures and builds the targets named in build_targets (all when empty). Sourced,
# so it runs in the caller's shell.

# The validators, dpkg-dev, file, lintian and python3-debian build and check the
# Debian package, reuse the licence notices (it needs git to leave out what .gitignore
# names, such as build/); a caller may name more in extra_packages.
packages=(g++ make cmake qt6-base-dev fonts-liberation2 fontconfig
          desktop-file-utils appstream dpkg-dev file lintian python3-debian reuse git ${extra_packages:-})

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
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
target_options=()
for target in ${build_targets:-}; do
    target_options+=(--target "$target")
done
cmake --build "$root/build" --parallel "$jobs" "${target_options[@]}"
