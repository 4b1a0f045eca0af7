#!/usr/bin/env bash
# Installs the Debian packages the build needs, if any is missing (as root or through sudo).
# Sourced by play.sh and test.sh; quick when everything is there.
set -euo pipefail

TOLVANIS_PACKAGES=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools libqt6uitools6 designer-qt6
    libqt6opengl6-dev libxkbcommon-dev libvulkan-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation
    xvfb xauth x11-utils imagemagick
    desktop-file-utils appstream lintian file
)

missing=()
for p in "${TOLVANIS_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
    export DEBIAN_FRONTEND=noninteractive
    "${SUDO[@]}" apt-get update -q
    "${SUDO[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
