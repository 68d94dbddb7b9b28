#!/usr/bin/env bash
# Installs the Debian packages the project builds, runs and tests with.
# Quiet and quick when everything is already there.
set -euo pipefail

# Packages named on the command line replace the list (make fuzz adds clang).
packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libjpeg62-turbo-dev
    xvfb xauth openbox xdotool wmctrl x11-utils imagemagick
    desktop-file-utils
)
if [ $# -gt 0 ]; then
    packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
