#!/usr/bin/env bash
# Robustness: the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer
# (with the monkey and the locale reruns in it), the bounded libFuzzer run over
# field texts, and the ELF check of the optimised program with every flag,
# fortify included. Each configuration is built once.
set -euo pipefail
cd "$(dirname "$0")/../.."
export QT_QPA_PLATFORM=offscreen

stage_start=$SECONDS
step_start=$SECONDS
step() {
    echo "== hardening: $1 took $((SECONDS - step_start)) s"
    step_start=$SECONDS
}

# The sanitizer options, leak detection included, come from the asan test
# preset: any report fails the test that caused it.
cmake --preset asan
cmake --build --preset asan -j 2
step "asan build"
ctest --preset asan
step "asan suite"

cmake --preset fuzz
cmake --build --preset fuzz -j 2
step "fuzz build"
fuzz_log=build/fuzz/fuzz-run.log
if ! ctest --preset fuzz --verbose > "$fuzz_log" 2>&1; then
    tail -n 80 "$fuzz_log"
    exit 1
fi
grep -E 'Done [0-9]+ runs|stat::' "$fuzz_log"
step "fuzz run"

# The same configure line as the release stage, so its build finds all done.
cmake --preset release -DORVANTA_BUILD_BENCHMARKS=ON
cmake --build --preset release -j 2 --target orvanta
sh tests/hardening/check_elf.sh build/release/orvanta fortify
step "release ELF check"

echo "== hardening: stage took $((SECONDS - stage_start)) s"
