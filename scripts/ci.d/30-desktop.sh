#!/usr/bin/env bash
# The release build as users get it: validate the launcher and the metadata,
# build the Debian package, install it on this machine, start it, remove it.
set -euo pipefail
cd "$(dirname "$0")/../.."

version=$(sed -n 's/^project(Orvanta VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)

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
[ -f "$deb" ] || { echo "no package at $deb" >&2; ls build/release/packages >&2; exit 1; }
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "./$deb"
trap 'apt-get remove -y -q orvanta >/dev/null || true' EXIT
for f in /usr/bin/orvanta /usr/share/applications/org.example.Orvanta.desktop \
    /usr/share/metainfo/org.example.Orvanta.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.example.Orvanta.svg; do
    [ -e "$f" ] || { echo "the package did not install $f" >&2; exit 1; }
done
desktop-file-validate /usr/share/applications/org.example.Orvanta.desktop
got=$(QT_QPA_PLATFORM=offscreen orvanta --version)
echo "$got"
[ "$got" = "Orvanta ${version}" ] || { echo "expected \"Orvanta ${version}\"" >&2; exit 1; }
# The installed program shows its main window and quits on its own.
QT_QPA_PLATFORM=offscreen ORVANTA_BENCH=1 timeout 60 orvanta | grep -q '^shown '
apt-get remove -y -q orvanta
trap - EXIT
[ ! -e /usr/bin/orvanta ] || { echo "orvanta still installed after removal" >&2; exit 1; }
echo "desktop checks passed"
