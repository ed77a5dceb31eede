#!/bin/sh
# Checks that an executable was built with the hardening flags.
#   check_elf.sh BINARY [fortify]
# Always: position independent (ELF type DYN with DF_1_PIE), immediate binding
# (BIND_NOW), a GNU_RELRO segment, a non-executable stack and the stack
# protector. With "fortify": calls to the glibc _chk variants as well, which
# only optimised builds make.
set -u
bin=$1
want_fortify=${2:-}
if ! command -v readelf >/dev/null 2>&1; then
    echo "readelf not installed (binutils): skipped"
    exit 77
fi
failed=0
fail() {
    echo "$bin: $1"
    failed=1
}

header=$(readelf -h -W "$bin") || exit 1
dynamic=$(readelf -d -W "$bin")
segments=$(readelf -l -W "$bin")
symbols=$(readelf --dyn-syms -W "$bin")

echo "$header" | grep -Eq 'Type:[[:space:]]+DYN' || fail "not position independent (ELF type is not DYN)"
echo "$dynamic" | grep -E '\(FLAGS_1\)' | grep -q 'PIE' || fail "DF_1_PIE missing"
echo "$dynamic" | grep -Eq '\(BIND_NOW\)|\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' ||
    fail "BIND_NOW missing (link with -z now)"
echo "$segments" | grep -q 'GNU_RELRO' || fail "no GNU_RELRO segment (link with -z relro)"
stack=$(echo "$segments" | grep 'GNU_STACK')
[ -n "$stack" ] || fail "no GNU_STACK segment"
echo "$stack" | grep -q 'RWE' && fail "executable stack"
echo "$symbols" | grep -q '__stack_chk_fail' || fail "no stack protector (__stack_chk_fail unused)"
if [ "$want_fortify" = fortify ]; then
    echo "$symbols" | grep -Eq '__[a-z0-9_]+_chk(@|$| )' ||
        fail "no fortified calls (__*_chk unused): _FORTIFY_SOURCE missing"
fi
[ "$failed" -eq 0 ] && echo "$bin: PIE, BIND_NOW, RELRO, no executable stack, stack protector${want_fortify:+, fortify}"
exit $failed
