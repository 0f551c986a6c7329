#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and play Vexmoor; quiet when all is present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format
    libsdl2-dev libepoxy-dev libgl1-mesa-dri libegl1 libegl-mesa0 libgles2
    libvorbis-dev libogg-dev libjpeg62-turbo-dev libfreetype-dev fonts-dejavu-core
    googletest libgtest-dev libgmock-dev libbenchmark-dev tcl xvfb xauth x11-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}" >/tmp/vexmoor-setup.log 2>&1; then
    "${sudo_cmd[@]}" apt-get update -q >>/tmp/vexmoor-setup.log 2>&1
    "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}" >>/tmp/vexmoor-setup.log 2>&1 ||
        { cat /tmp/vexmoor-setup.log; exit 1; }
fi
