#!/usr/bin/env bash
# Prints payment plans through the report window's printer code on a real
# print server whose default printer is a PDF queue, and checks each printed
# page: one print job a page, in order, every line of the page on it.
#
#   cups_print_test.sh REPORT_PRINT_TOOL WORK_DIR
#
# Runs in CI (CI=true) or with ORVANTA_PRINT_TEST=1; exits 77 (skipped)
# otherwise, and where no print server can be run here. Starts the
# print server itself when none runs (and stops it again), makes its own queue
# the default for the run and puts the previous default back afterwards.
set -euo pipefail

tool=$1
work=$2
queue=OrvantaReportPDF
spool=/var/spool/cups
started_pid=
previous_default=
run_marker=$work.started
home_out=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF

skip() {
    echo "SKIP: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# It changes the machine's printing for the run (a queue of its own, made the
# default): only on a CI machine, or where its owner asks for it.
[ "${CI:-}" = true ] || [ "${ORVANTA_PRINT_TEST:-}" = 1 ] ||
    skip "changes the default printer for the run: set ORVANTA_PRINT_TEST=1 to run it here"
[ "$(id -u)" -eq 0 ] || skip "the print server and its queues need root"
for cmd in cupsd lpadmin lpstat pdftotext pdfinfo pdftoppm flock timeout; do
    command -v "$cmd" >/dev/null || skip "$cmd is not installed (scripts/packages/report.txt)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -r "$ppd" ] || skip "no cups-pdf printer description at $ppd"

# One run at a time on this machine: the queue and the default are shared.
exec 9>/tmp/orvanta-cups-print-test.lock
flock -w 240 9 || fail "another run holds the print test lock"

cleanup() {
    set +e
    # What the printer wrote during the run is kept with the run, not in a home.
    if [ -e "$run_marker" ]; then
        mkdir -p "$work/printer-output"
        find "$home_out" /var/spool/cups-pdf -name '*.pdf' -newer "$run_marker" \
            -exec mv -t "$work/printer-output" {} + 2>/dev/null
    fi
    lpadmin -x "$queue" 2>/dev/null
    [ -n "$previous_default" ] && lpadmin -d "$previous_default" 2>/dev/null
    if [ -n "$started_pid" ]; then
        kill "$started_pid" 2>/dev/null
        wait "$started_pid" 2>/dev/null
    fi
}
trap cleanup EXIT

scheduler_up() { lpstat -r 2>/dev/null | grep -q "is running"; }

if ! scheduler_up; then
    mkdir -p /run/cups
    cupsd -f >"$work.cupsd.log" 2>&1 &
    started_pid=$!
    for _ in $(seq 1 100); do
        scheduler_up && break
        kill -0 "$started_pid" 2>/dev/null || break
        sleep 0.2
    done
    scheduler_up || skip "cupsd cannot start here: $(tail -3 "$work.cupsd.log" 2>/dev/null)"
fi

previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
lpadmin -x "$queue" 2>/dev/null || true
lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null ||
    fail "cannot add the PDF queue"
lpadmin -d "$queue"
lpstat -d | grep -q "$queue" || fail "the PDF queue did not become the default"
# The program must find the default itself, not through the environment.
unset PRINTER LPDEST

rm -rf "$work"
mkdir -p "$work"
touch "$run_marker"

completed_jobs() {
    lpstat -W completed -o "$queue" 2>/dev/null | awk '{print $1}' | sed 's/.*-//' | sort -n
}

wait_for_queue() {
    for _ in $(seq 1 600); do
        [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] && return 0
        sleep 0.2
    done
    fail "the print jobs did not finish in two minutes: $(lpstat -o "$queue")"
}

# The words of a text, one a line, whatever the spacing between them.
words() { tr '\r\f' '  ' | awk '{ for (i = 1; i <= NF; i++) print $i }'; }

check_plan() {
    local name=$1 amount=$2 rate=$3 periods=$4
    local dir=$work/$name
    mkdir -p "$dir"
    local before
    before=$(completed_jobs | tail -1)
    before=${before:-0}
    local marker=$dir/.started
    touch "$marker"
    sleep 1  # outputs written after this are newer than the marker

    local said
    said=$(timeout 120 "$tool" print "$amount" "$rate" "$periods" "$dir") ||
        fail "$name: the program reported a printer failure: $said"
    local pages
    pages=$(ls "$dir"/page-*.txt | wc -l)
    echo "$name: $said"
    wait_for_queue

    mapfile -t jobs < <(completed_jobs | awk -v b="$before" '$1 > b')
    [ "${#jobs[@]}" -eq "$pages" ] ||
        fail "$name: $pages pages but ${#jobs[@]} print jobs (${jobs[*]:-none})"

    # Each job holds the document the program sent: one page with that page's
    # lines, numbers after tabs included.
    local page=0 job
    for job in "${jobs[@]}"; do
        page=$((page + 1))
        local document
        document=$(printf '%s/d%05d-001' "$spool" "$job")
        [ -r "$document" ] || fail "$name: job $job kept no document ($document)"
        local count
        count=$(pdfinfo "$document" | awk '/^Pages:/ {print $2}')
        [ "$count" = 1 ] || fail "$name: job $job has $count pages, not one"
        pdftotext -layout "$document" "$dir/printed-$page.txt"
        if ! diff <(words <"$dir/page-$page.txt") <(words <"$dir/printed-$page.txt") \
            >"$dir/diff-$page.txt"; then
            fail "$name: page $page printed other words than it holds: $(head -20 "$dir/diff-$page.txt")"
        fi
    done

    # And the printer turned every job into a PDF of its own.
    local outputs=()
    for _ in $(seq 1 300); do
        mapfile -t outputs < <(find "$home_out" /var/spool/cups-pdf -name '*.pdf' \
            -newer "$marker" 2>/dev/null | sort)
        [ "${#outputs[@]}" -ge "$pages" ] && break
        sleep 0.2
    done
    [ "${#outputs[@]}" -eq "$pages" ] ||
        fail "$name: $pages pages but ${#outputs[@]} PDF files from the printer"
    local out
    for out in "${outputs[@]}"; do
        count=$(pdfinfo "$out" 2>/dev/null | awk '/^Pages:/ {print $2}')
        [ "$count" = 1 ] || fail "$name: $out has $count pages, not one"
    done
    pdftoppm -r 60 -png -singlefile "${outputs[0]}" "$dir/first-page" 2>/dev/null
    mkdir -p "$dir/printer-output"
    mv -t "$dir/printer-output" "${outputs[@]}"
    echo "$name: $pages one-page jobs, every line on its page; first page: $dir/first-page.png"
}

check_plan short 1000 1 12
check_plan long 1000 1 200
echo "PASS"
