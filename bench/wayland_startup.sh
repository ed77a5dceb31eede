#!/usr/bin/env bash
# Start-up on native Wayland: from just before exec to sway's own "new
# window" event, which it sends once the window's first frame is committed and
# mapped; interleaved rounds, the order alternating, the first program the
# baseline (the bare Qt dialog). Runs under a headless sway of its own.
#
#   bench/wayland_startup.sh [-n ROUNDS] BASELINE PROGRAM...
#
# Prints per program: rounds, median ms to the window, the ratio of medians to
# the baseline, and the median of the per-round ratios.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
rounds=21
if [ "${1:-}" = -n ]; then
    rounds=$2
    shift 2
fi
[ $# -ge 2 ] || { echo "usage: $0 [-n ROUNDS] BASELINE PROGRAM..." >&2; exit 2; }
if [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec "$here/../tests/wayland/run_under_wayland.sh" sway 1 "$0" -n "$rounds" "$@"
fi

programs=("$@")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Milliseconds from exec to the window's "new" event.
time_one() {
    local program=$1 events start end pid
    events="$out/events"
    : >"$events"
    swaymsg -m -r -t subscribe '["window"]' >"$events" &
    local watch=$!
    sleep 0.2
    start=$(date +%s%N)
    QT_QPA_PLATFORM=wayland "$program" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 2000); do
        grep -q '"change": *"new"' "$events" && break
        sleep 0.005
    done
    end=$(date +%s%N)
    kill "$pid" "$watch" 2>/dev/null || true
    wait "$pid" "$watch" 2>/dev/null || true
    grep -q '"change": *"new"' "$events" || { echo "no window from $program" >&2; exit 1; }
    echo $(((end - start) / 1000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for p in "${programs[@]}"; do time_one "$p" >/dev/null; done  # warm-up
for r in $(seq "$rounds"); do
    order=("${programs[@]}")
    if [ $((r % 2)) -eq 0 ]; then
        order=()
        for ((i = ${#programs[@]} - 1; i >= 0; i--)); do order+=("${programs[$i]}"); done
    fi
    for p in "${order[@]}"; do
        i=0
        for q in "${programs[@]}"; do
            [ "$q" = "$p" ] && break
            i=$((i + 1))
        done
        echo "$r $(time_one "$p")" >>"$out/times.$i"
    done
done

base=$(awk '{ print $2 }' "$out/times.0" | median)
printf '%-50s %6s %10s %8s %8s\n' program rounds median_ms ratio paired
for i in "${!programs[@]}"; do
    med=$(awk '{ print $2 }' "$out/times.$i" | median)
    paired=$(join "$out/times.0" "$out/times.$i" | awk '{ print $3 / $2 }' | median)
    awk -v p="${programs[$i]}" -v n="$rounds" -v m="$med" -v b="$base" -v r="$paired" \
        'BEGIN { printf "%-50s %6d %10.1f %8.2f %8.2f\n", p, n, m / 1000, m / b, r }'
done
