#!/usr/bin/env bash
# Installs the Debian packages Vorelis needs (only the missing ones), then configures and builds.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    cmake g++ make pkg-config
    qtbase5-dev qtbase5-dev-tools libqt5sql5-sqlite libqt5svg5-dev qttranslations5-l10n
    fonts-dejavu-core
    xvfb xauth xdotool x11-utils imagemagick poppler-utils sqlite3 python3
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Debug}"
cmake --build "$BUILD_DIR" -j"$(nproc)"
