#!/usr/bin/env bash
# weston_grab.sh FILE: weston's own screenshot of its whole screen, to FILE.
# weston-screenshooter writes into the current folder under a name of its own.
set -euo pipefail
out=$(realpath -m "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
(cd "$dir" && weston-screenshooter >/dev/null)
shot=$(ls "$dir"/*.png 2>/dev/null | head -n1)
[ -n "$shot" ] || { echo "weston-screenshooter wrote no picture" >&2; exit 1; }
mv "$shot" "$out"
