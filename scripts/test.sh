#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, builds with warnings
# as errors and runs the whole suite offscreen through CTest, then every further
# check in scripts/ci.d/ in name order.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

mapfile -t packages < <(package_list scripts/packages/*.txt)
install_packages "${packages[@]}"

# The comma-decimal locales the locale tests run under.
for l in de_DE lt_LT; do
    if ! locale -a 2>/dev/null | grep -qi "^${l}\.utf-\?8$"; then
        as_root localedef -i "$l" -c -f UTF-8 "$l.UTF-8" || true
    fi
done

export QT_QPA_PLATFORM=offscreen
cmake --preset ci
cmake --build --preset ci
ctest --preset ci

for stage in scripts/ci.d/*.sh; do
    [ -e "$stage" ] || continue
    echo "== ${stage}"
    bash "$stage"
done
