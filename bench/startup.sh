#!/usr/bin/env bash
# Start-up time of orvanta against a bare Qt dialog program, measured from exec
# to the first frame of the first window on screen.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]     (defaults: build/bench, 25)
#
# The programs are started alternately, RUNS times each, so drift of the
# machine hits both alike. QT_QPA_PLATFORM defaults to offscreen; with
# BENCH_XVFB=1 both run on one Xvfb server instead.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/bench}"
runs="${2:-25}"
launch="$build/bench/startup_launch"
for f in "$launch" "$build/orvanta" "$build/bench/bare_dialog"; do
    [ -x "$f" ] || { echo "missing $f: configure with -DORVANTA_BUILD_BENCHMARKS=ON and build" >&2; exit 1; }
done

xvfb_pid=""
if [ "${BENCH_XVFB:-0}" = 1 ]; then
    Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    sleep 1
    export DISPLAY=:97 QT_QPA_PLATFORM=xcb
    # A desktop session has a session bus. Without one, libdbus forks
    # dbus-launch to look for it, and the menu bar waits for that on the main
    # thread; that would measure this machine, not the program.
    if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
        export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/orvanta-bench-bus
    fi
else
    export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
fi

samples=$(mktemp)
trap 'rm -f "$samples"; [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true' EXIT
# One untimed start of each warms the page cache and the font cache.
"$launch" "$build/orvanta" >/dev/null
"$launch" "$build/bench/bare_dialog" >/dev/null
for ((i = 0; i < runs; ++i)); do
    echo "orvanta $("$launch" "$build/orvanta")" >>"$samples"
    echo "bare $("$launch" "$build/bench/bare_dialog")" >>"$samples"
    echo "text $("$launch" "$build/bench/bare_dialog" --text)" >>"$samples"
done

# median PROGRAM COLUMN: column 2 is the wall time, 3 the CPU time.
median() {
    awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$samples" | sort -g |
        awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo "platform: $QT_QPA_PLATFORM, $runs runs each, medians in ms"
printf '%-34s %10s %10s\n' "" "exec-shown" "cpu"
for p in orvanta bare text; do
    case $p in
        orvanta) label="orvanta" ;;
        bare) label="bare QDialog" ;;
        text) label="bare QDialog, one label+button" ;;
    esac
    printf '%-34s %10.1f %10.1f\n' "$label" "$(median $p 2)" "$(median $p 3)"
done
awk -v o="$(median orvanta 2)" -v b="$(median bare 2)" -v t="$(median text 2)" \
    -v oc="$(median orvanta 3)" -v bc="$(median bare 3)" 'BEGIN {
    printf "ratio orvanta / bare QDialog:      %.3f (cpu %.3f; target <= 1.15)\n", o / b, oc / bc
    printf "ratio orvanta / QDialog with text: %.3f\n", o / t }'
