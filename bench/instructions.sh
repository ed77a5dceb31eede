#!/usr/bin/env bash
# Instruction counts (callgrind), which a busy machine does not disturb: the
# figures to judge a change by before timing it on a quiet one.
#
#   bench/instructions.sh startup [BUILD_DIR]
#       exec to first frame of orvanta, of bare_dialog --text (a label and a
#       button) and of bare_dialog (empty), each under Xvfb.
#   bench/instructions.sh forms [BUILD_DIR] [BENCHMARK ...]
#       one warm iteration of each forms_bench case, worked out as
#       (3 iterations - 1 iteration) / 2 so that first-use costs drop out.
#       Default cases: the empty QDialog, ROA_3_2, ALTMAN_Z_3 and the plan.
#
# BUILD_DIR defaults to build/release (configured with
# -DORVANTA_BUILD_BENCHMARKS=ON). Starts its own Xvfb on DISPLAY :59 unless
# BENCH_DISPLAY names another.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-}"
build="${2:-build/release}"
shift $(($# < 2 ? $# : 2))
command -v valgrind >/dev/null || { echo "needs valgrind" >&2; exit 2; }

display="${BENCH_DISPLAY:-:59}"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1
export DISPLAY="$display" QT_QPA_PLATFORM=xcb
# Without a session bus libdbus forks dbus-launch to look for one.
export DBUS_SESSION_BUS_ADDRESS="${DBUS_SESSION_BUS_ADDRESS:-unix:path=/nonexistent/orvanta-bench-bus}"
out=$(mktemp -d /tmp/instructions.XXXXXX)

count() {  # count FILE: the instructions a callgrind output file holds
    awk '/^totals:/ {print $2}' "$1"
}

case "$mode" in
startup)
    for prog in "$build/orvanta" "$build/bench/bare_dialog --text" "$build/bench/bare_dialog"; do
        read -ra cmd <<<"$prog"
        ORVANTA_BENCH=1 valgrind --tool=callgrind --callgrind-out-file="$out/cg.%p" \
            "${cmd[@]}" >/dev/null 2>&1
        # the program's own file: the largest, should a helper process leave one
        n=$(for f in "$out"/cg.*; do count "$f"; done | sort -n | tail -1)
        printf '%-40s %12d instructions\n' "$prog" "$n"
        rm -f "$out"/cg.*
    done
    ;;
forms)
    [ $# -gt 0 ] || set -- EmptyQDialog OpenForm/ROA_3_2 OpenForm/ALTMAN_Z_3 \
        PaymentPlan1200/QPlainTextEdit PaymentPlan1200/ReportWindow
    for bench in "$@"; do
        for reps in 1 3; do
            valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out/cg.$reps" \
                --toggle-collect='*::EmptyDialog*' --toggle-collect='*::OpenForm*' \
                --toggle-collect='*::PlanInTextView*' --toggle-collect='*::PlanInReportWindow*' \
                "$build/bench/forms_bench" --benchmark_filter="^$bench\$" \
                --benchmark_min_time=0.0001 --benchmark_repetitions=$reps >/dev/null 2>&1
        done
        one=$(count "$out/cg.1")
        three=$(count "$out/cg.3")
        printf '%-44s %12d instructions warm (first: %d)\n' "$bench" $(((three - one) / 2)) "$one"
    done
    ;;
*)
    sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
rm -rf "$out"
