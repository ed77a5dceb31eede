#!/usr/bin/env bash
# The release build as users get it: validate the launcher and the metadata,
# build the Debian package and have lintian check it. Then, in CI (CI=true, a
# fresh machine) install the package, start it and remove it again; anywhere
# else check it without touching the system: unpack it into a scratch folder,
# start the program from there and see that everything it depends on is
# installed. A user's own Orvanta stays as it was.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh

version=$(sed -n 's/^project(Orvanta VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
fail() {
    echo "$*" >&2
    exit 1
}

desktop-file-validate resources/org.example.Orvanta.desktop
appstreamcli validate --no-net resources/org.example.Orvanta.metainfo.xml

# Shared with the other release checks; configuring and building again is a
# no-op. The benchmarks come along (built, not run) so that they keep
# compiling; they install nothing, so the package does not change.
cmake --preset release -DORVANTA_BUILD_BENCHMARKS=ON
cmake --build --preset release

rm -f build/release/packages/orvanta_*.deb
(cd build/release && cpack -G DEB)
deb="build/release/packages/orvanta_${version}_${arch}.deb"
[ -f "$deb" ] || { ls build/release/packages >&2; fail "no package at $deb"; }
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

# Any error or warning fails. The package needs no override today; one that
# becomes necessary is installed with the package, its reason written next to it.
lintian --fail-on error,warning --display-info "$deb"

files=(usr/bin/orvanta "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/orvanta/orvanta-print.so"
    usr/share/applications/org.example.Orvanta.desktop
    usr/share/metainfo/org.example.Orvanta.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/org.example.Orvanta.svg
    usr/share/doc/orvanta/copyright usr/share/doc/orvanta/changelog.gz
    usr/share/man/man1/orvanta.1.gz)

# The program answers its version and shows its main window, then quits.
check_program() {
    local binary=$1 got
    got=$(QT_QPA_PLATFORM=offscreen "$binary" --version)
    echo "$got"
    [ "$got" = "Orvanta ${version}" ] || fail "expected \"Orvanta ${version}\""
    QT_QPA_PLATFORM=offscreen ORVANTA_BENCH=1 timeout 60 "$binary" | grep -q '^shown ' ||
        fail "$binary did not show its main window"
    # Printing loads its module on the first print, by a path from the
    # program's own folder (a UTF-16 string in the binary): that file must be
    # where the package put it.
    local path module
    path=$(command -v "$binary")
    module=$(strings -e l -n 8 "$path" | grep -m1 '/orvanta-print\.so$') ||
        fail "$path names no printer module"
    [ -f "$(dirname "$path")/$module" ] || fail "no printer module at $(dirname "$path")/$module"
}

installed_version() {
    dpkg-query -W -f='${Status} ${Version}\n' "$1" 2>/dev/null |
        sed -n 's/^install ok installed //p'
}

# Every Depends entry (one of its alternatives) is installed, in a version
# that meets the entry's constraint.
check_depends() {
    local depends entry alternative name op wanted have ok
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    IFS=',' read -ra entries <<<"$depends"
    for entry in "${entries[@]}"; do
        ok=
        IFS='|' read -ra alternatives <<<"$entry"
        for alternative in "${alternatives[@]}"; do
            read -r name op wanted <<<"$(echo "$alternative" | tr -d '()' | xargs)"
            name=${name%%:*}
            have=$(installed_version "$name")
            [ -n "$have" ] || continue
            if [ -z "${op:-}" ] || dpkg --compare-versions "$have" "$op" "$wanted"; then
                ok=1
                break
            fi
        done
        [ -n "$ok" ] || fail "not installed here: $entry"
    done
}

if [ "${CI:-}" = true ]; then
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get install -y -q "./$deb"
    trap 'as_root apt-get remove -y -q orvanta >/dev/null || true' EXIT
    for f in "${files[@]}"; do
        [ -e "/$f" ] || fail "the package did not install /$f"
    done
    desktop-file-validate /usr/share/applications/org.example.Orvanta.desktop
    man -w orvanta >/dev/null || fail "man does not find orvanta(1)"
    check_program orvanta
    as_root apt-get remove -y -q orvanta
    trap - EXIT
    [ ! -e /usr/bin/orvanta ] || fail "orvanta still installed after removal"
else
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    dpkg-deb -x "$deb" "$scratch"
    for f in "${files[@]}"; do
        [ -e "$scratch/$f" ] || fail "the package does not hold /$f"
    done
    desktop-file-validate "$scratch/usr/share/applications/org.example.Orvanta.desktop"
    check_depends
    # The program links only system libraries, found where the package's
    # dependencies put them; nothing to add to the library path.
    check_program "$scratch/usr/bin/orvanta"
fi
echo "desktop checks passed"
