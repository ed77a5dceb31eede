#!/usr/bin/env bash
# Installs what Orvanta needs on Debian 12, builds a Release and starts it.
# Without a display it renders the main window to a PNG file instead.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

mapfile -t packages < <(package_list scripts/packages/build.txt)
install_packages "${packages[@]}"
cmake --preset release
cmake --build --preset release

binary=build/release/orvanta
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    shot="${ORVANTA_SCREENSHOT:-$PWD/build/orvanta-main-window.png}"
    QT_QPA_PLATFORM=offscreen "$binary" --screenshot "$shot"
    echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)."
    echo "The main window was rendered offscreen to: $shot"
    exit 0
fi
exec "$binary" "$@"
