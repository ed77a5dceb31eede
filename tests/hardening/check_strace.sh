#!/bin/sh
# Runs a program under strace and fails on any file it opens for writing or
# creating, and on any socket that is not a local (AF_UNIX) one.
#   check_strace.sh PROGRAM [ARGS...]
# Exit 77 (skipped) where strace is missing or cannot trace here.
set -u
if ! command -v strace >/dev/null 2>&1; then
    echo "strace not installed: skipped"
    exit 77
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! strace -f -qq -e trace=%network,openat -o "$log" true 2>/dev/null; then
    echo "strace cannot trace here (ptrace refused): skipped"
    exit 77
fi

# LeakSanitizer cannot stop the world under a tracer.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_QPA_PLATFORM=offscreen strace -f -qq -e trace=%network,openat -o "$log" "$@"
status=$?
if [ "$status" -ne 0 ]; then
    echo "the traced run failed with status $status"
    exit 1
fi

# Writes: any openat with a writing or creating flag, except the null device.
writes=$(grep -E 'openat\(' "$log" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND' |
         grep -vE '"/dev/null"')
# Network: any socket that is not AF_UNIX, any address of another family.
network=$( (grep -E '(socket|socketpair)\(' "$log" | grep -v 'AF_UNIX'
            grep -E 'sa_family=' "$log" | grep -v 'sa_family=AF_UNIX') )
failed=0
if [ -n "$writes" ]; then
    echo "files opened for writing:"
    echo "$writes"
    failed=1
fi
if [ -n "$network" ]; then
    echo "network use:"
    echo "$network"
    failed=1
fi
if [ "$failed" -eq 0 ]; then
    opens=$(grep -c 'openat(' "$log")
    sockets=$(grep -cE '(socket|socketpair)\(' "$log")
    echo "$opens files opened, $sockets local sockets, nothing written, no network"
fi
exit $failed
