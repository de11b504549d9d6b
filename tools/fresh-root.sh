#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# tools/fresh-root.sh bookworm|trixie
# Runs ./test as a newcomer would: from a clean clone of the committed HEAD, as root in
# a fresh minimal Debian root made by debootstrap from the mirror this machine's apt
# uses. The pristine root is kept under /var/cache/farbenlehre/roots for a week and
# copied for each run; the packages ./test installs in it are kept beside it and
# fetched again only when new. Exits with the status of ./test.
set -euo pipefail
suite=${1:-}
case "$suite" in
    bookworm | trixie) ;;
    *) echo "usage: tools/fresh-root.sh bookworm|trixie" >&2; exit 2 ;;
esac
checkout=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
    [ -t 0 ] || sudo+=(-n)
    exec "${sudo[@]}" env ${CI:+CI="$CI"} ${FRESH_ROOT_MINUTES:+FRESH_ROOT_MINUTES="$FRESH_ROOT_MINUTES"} \
        "$checkout/tools/fresh-root.sh" "$@"
fi
export DEBIAN_FRONTEND=noninteractive
cache=/var/cache/farbenlehre/roots
pristine=$cache/$suite
archives=$cache/$suite-archives
max_age_days=7
run_minutes=${FRESH_ROOT_MINUTES:-45}

stamp() { echo "[fresh-root $suite $(date -u +%H:%M:%S)] $*"; }

# Where this machine's apt fetches each suite from, one "uri suite components" a line,
# from the one-line and the deb822 formats alike.
host_sources() {
    { cat /etc/apt/sources.list 2>/dev/null || true; } \
        | awk '$1 == "deb" { i = 2; if ($2 ~ /^\[/) while ($i !~ /\]$/) i++; if ($2 ~ /^\[/) i++
                             uri = $i; s = $(i + 1); c = ""; for (j = i + 2; j <= NF; j++) c = c " " $j
                             print uri, s c }'
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -e "$file" ] || continue
        awk 'function flush() { if (types ~ /(^| )deb( |$)/ && enabled != "no")
                                    for (i = 1; i <= n; i++) for (j = 1; j <= m; j++) print uris[j], suites[i], comps
                                types = ""; enabled = ""; n = m = 0; comps = "" }
             /^[ \t]*$/ { flush(); next }
             /^#/ { next }
             { key = tolower($1); sub(/:$/, "", key); $1 = "" ; sub(/^ /, "") }
             key == "types" { types = $0 } key == "enabled" { enabled = $0 }
             key == "uris" { m = split($0, uris, " ") } key == "suites" { n = split($0, suites, " ") }
             key == "components" { comps = $0 }
             END { flush() }' "$file"
    done
}

host_suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
sources=$(host_sources)
mirror=$(awk -v s="$host_suite" '$2 == s { print $1; exit }' <<<"$sources")
security=$(awk -v s="$host_suite-security" '$2 == s { print $1; exit }' <<<"$sources")
updates=$(awk -v s="$host_suite-updates" '$2 == s { print $1; exit }' <<<"$sources")
if [ -z "$mirror" ]; then
    echo "No apt source for $host_suite in /etc/apt: cannot tell which mirror to use" >&2
    exit 1
fi

if ! command -v debootstrap >/dev/null || ! command -v slirp4netns >/dev/null; then
    stamp "installing debootstrap and slirp4netns"
    apt-get update -q
    apt-get -o DPkg::Lock::Timeout=900 install -y -q --no-install-recommends \
        debootstrap debian-archive-keyring slirp4netns
fi

mkdir -p "$cache" "$archives"
# One run at a time renews or copies a suite's pristine root; runs may overlap after.
exec 9>"$cache/$suite.lock"
flock --timeout 1800 9
if [ ! -e "$pristine/.complete" ] || [ -n "$(find "$pristine/.complete" -mtime +$((max_age_days - 1)))" ]; then
    stamp "making a pristine minimal root (debootstrap --variant=minbase)"
    rm -rf --one-file-system "$pristine.new"
    debootstrap --variant=minbase --keyring=/usr/share/keyrings/debian-archive-keyring.gpg \
        "$suite" "$pristine.new" "$mirror" >"$cache/$suite.log" 2>&1 \
        || { tail -n 30 "$cache/$suite.log" >&2; rm -rf --one-file-system "$pristine.new"; exit 1; }
    rm -f "$pristine.new"/var/cache/apt/archives/*.deb "$archives"/*.deb
    touch "$pristine.new/.complete"
    rm -rf --one-file-system "$pristine"
    mv "$pristine.new" "$pristine"
else
    stamp "reusing the pristine root of $(date -u -r "$pristine/.complete" '+%Y-%m-%d %H:%M')"
fi

scratch=$(mktemp -d /var/tmp/fresh-root-"$suite".XXXXXX)
mounts=()
child= network=
cleanup() {
    local status=$? pid left
    trap - EXIT INT TERM HUP
    set +e
    [ -n "$child" ] && kill "$child" 2>/dev/null
    [ -n "$network" ] && kill "$network" 2>/dev/null
    # Whatever still runs in the root (a server a test left behind) holds its mounts.
    for _ in 1 2 3; do
        left=()
        for pid in /proc/[0-9]*; do
            [ "$(readlink "$pid/root" 2>/dev/null)" = "$scratch" ] && left+=("${pid#/proc/}")
        done
        ((${#left[@]})) || break
        echo "Still running in the root, stopped: $(ps -o pid=,args= -p "${left[*]}" | tr '\n' ';')" >&2
        kill "${left[@]}" 2>/dev/null
        sleep 2
        kill -KILL "${left[@]}" 2>/dev/null
        sleep 1
    done
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount --lazy "${mounts[i]}" || status=1
    done
    if findmnt -rno TARGET | grep -q "^$scratch"; then
        echo "Left mounted, the scratch root $scratch is kept:" >&2
        findmnt -rno TARGET | grep "^$scratch" >&2
        exit 1
    fi
    # The packages fetched in this run are kept for the next.
    for deb in "$scratch"/var/cache/apt/archives/*.deb; do
        [ -e "$deb" ] && [ ! -e "$archives/${deb##*/}" ] && { ln "$deb" "$archives/" 2>/dev/null || cp "$deb" "$archives/"; }
    done
    rm -rf --one-file-system "$scratch"
    rm -f "$scratch.network.log"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

mount_in() { # type source target [options]
    mkdir -p "$scratch$3"
    mount -t "$1" ${4:+-o "$4"} "$2" "$scratch$3"
    mounts+=("$scratch$3")
}

stamp "copying the pristine root"
cp -a "$pristine/." "$scratch/"
rm -f "$scratch/.complete"
debs=("$archives"/*.deb)
if [ -e "${debs[0]}" ]; then
    cp -l "${debs[@]}" "$scratch/var/cache/apt/archives/" 2>/dev/null || cp "${debs[@]}" "$scratch/var/cache/apt/archives/"
fi
exec 9>&-

# The root fetches from the same mirror as this machine, its updates and security too.
{
    echo "deb $mirror $suite main"
    [ -z "$updates" ] || echo "deb $updates $suite-updates main"
    [ -z "$security" ] || echo "deb $security $suite-security main"
} >"$scratch/etc/apt/sources.list"
# The root has a network of its own (below); a name server on this machine's loopback
# is reached through the one that network provides.
if grep -qE '^nameserver +127\.' /etc/resolv.conf; then
    echo "nameserver 10.0.2.3" >"$scratch/etc/resolv.conf"
else
    cp -L /etc/resolv.conf "$scratch/etc/resolv.conf"
fi
# Without an init system nothing may start daemons from a package's maintainer scripts.
printf '#!/bin/sh\nexit 101\n' >"$scratch/usr/sbin/policy-rc.d"
chmod 755 "$scratch/usr/sbin/policy-rc.d"

stamp "cloning $(git -C "$checkout" rev-parse --short HEAD) into /root/farbenlehre"
[ -z "$(git -C "$checkout" status --porcelain --untracked-files=no)" ] \
    || echo "Note: uncommitted changes in $checkout are not part of this run"
git -c safe.directory='*' clone -q "$checkout" "$scratch/root/farbenlehre"
[ "$(git -C "$scratch/root/farbenlehre" rev-parse HEAD)" = "$(git -c safe.directory='*' -C "$checkout" rev-parse HEAD)" ] \
    || { echo "The clone is not at the checkout's HEAD" >&2; exit 1; }

mount_in proc proc /proc nosuid,nodev,noexec
mount_in sysfs sysfs /sys ro,nosuid,nodev,noexec
mount_in tmpfs dev /dev mode=755,nosuid
for node in null:1:3 zero:1:5 full:1:7 random:1:8 urandom:1:9 tty:5:0; do
    IFS=: read -r name major minor <<<"$node"
    mknod -m 666 "$scratch/dev/$name" c "$major" "$minor"
done
ln -s /proc/self/fd "$scratch/dev/fd"
ln -s /proc/self/fd/0 "$scratch/dev/stdin"
ln -s /proc/self/fd/1 "$scratch/dev/stdout"
ln -s /proc/self/fd/2 "$scratch/dev/stderr"
mount_in devpts devpts /dev/pts newinstance,ptmxmode=0666,mode=620,gid=5
ln -s pts/ptmx "$scratch/dev/ptmx"
mount_in tmpfs shm /dev/shm mode=1777,nosuid,nodev
mount_in tmpfs run /run mode=755,nosuid,nodev
mkdir -p -m 1777 "$scratch/run/lock"
mount_in tmpfs tmp /tmp mode=1777,nosuid,nodev

# ./test runs in a network namespace of its own, reaching the mirror through
# slirp4netns: X servers and buses in the root listen on abstract sockets, which would
# otherwise meet those of this machine's displays of the same numbers.
stamp "running ./test (at most $run_minutes minutes)"
status=0
unshare --net -- /bin/bash -c 'ip link set lo up
    for _ in $(seq 300); do ip -o -4 address show tap0 2>/dev/null | grep -q inet && exec "$@"; sleep 0.1; done
    echo "The root got no network" >&2; exit 1' network-wait \
    timeout --kill-after=30 "${run_minutes}m" \
    nice chroot "$scratch" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive ${CI:+CI="$CI"} \
    /bin/bash -c 'cd /root/farbenlehre && exec ./test' </dev/null &
child=$!
# slirp4netns must join the new namespace, never this machine's own.
for _ in $(seq 100); do
    [ "$(readlink "/proc/$child/ns/net")" != "$(readlink /proc/self/ns/net)" ] && break
    sleep 0.1
done
if [ "$(readlink "/proc/$child/ns/net")" = "$(readlink /proc/self/ns/net)" ]; then
    echo "No network namespace for the root" >&2
    exit 1
fi
slirp4netns --configure --mtu=65520 --disable-host-loopback "$child" tap0 >"$scratch.network.log" 2>&1 &
network=$!
wait "$child" || status=$?
child=
if [ "$status" -eq 0 ]; then
    stamp "./test passed"
else
    stamp "./test FAILED with status $status"
fi
exit "$status"
