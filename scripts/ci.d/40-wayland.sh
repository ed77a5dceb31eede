#!/usr/bin/env bash
# Native Wayland, as on a GNOME, KDE or wlroots desktop: one whole road by
# real key strokes under a headless sway, on the release build and on the
# program unpacked from its package. Each window must reach the compositor's
# screen (its window tree and its own screenshot), results and the report are
# read back from the Wayland clipboard, and the window's app id is the
# launcher's name. The in-process checks of every kind of window at scales 1
# and 2, under sway and weston, run with the suite (tests/wayland).
set -euo pipefail
cd "$(dirname "$0")/../.."

version=$(sed -n 's/^project(Orvanta VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="build/release/packages/orvanta_${version}_$(dpkg --print-architecture).deb"
tools=build/ci/tests/wayland
for f in build/release/orvanta "$deb" "$tools/plan_text" "$tools/screen_region"; do
    [ -e "$f" ] || { echo "wayland stage: $f is missing (run the suite and the desktop stage first)" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/package"
shots=build/wayland-shots
rm -rf "$shots"

for binary in build/release/orvanta "$scratch/package/usr/bin/orvanta"; do
    name=$([ "$binary" = build/release/orvanta ] && echo build || echo package)
    echo "== wayland: key road, $name"
    tests/wayland/run_under_wayland.sh sway 1 \
        tests/wayland/key_road.sh "$(realpath "$binary")" "$(realpath "$tools")" "$shots/$name"
done
echo "wayland checks passed (screenshots in $shots)"
