#!/usr/bin/env bash
# Installs the Debian packages the player and its tests need. Idempotent and
# non-interactive; runs apt-get update only when something is missing.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config clang-format
    # Qt 5.15
    qtbase5-dev qtwebengine5-dev libqt5sql5-sqlite qttools5-dev qttools5-dev-tools
    # SQLite C API beside the Qt driver, for reading record documents as UTF-8
    libsqlite3-dev
    # playback and media
    libvlc-dev libvlc-bin vlc-plugin-base
    libavformat-dev libavcodec-dev libavutil-dev ffmpeg
    # map pages
    libjs-leaflet
    # bundled interface fonts (copied into the build)
    fonts-dejavu-core fonts-wqy-microhei fonts-thai-tlwg-ttf
    # icons rendered from their SVG sources at build time
    librsvg2-bin
    # headless runs
    xvfb xauth x11-utils libgl1-mesa-dri libx11-dev libxtst-dev dbus-daemon
    # a window manager for the end-to-end test of full screen
    openbox
    # the GPS benchmark's comparison
    libimage-exiftool-perl
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
