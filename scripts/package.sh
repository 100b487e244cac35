#!/usr/bin/env bash
# Builds the Debian package and checks it: its control data, the files a
# desktop needs, the desktop entry and the AppStream metainfo as installed,
# and lintian, whose errors fail the check.
#
#   ./scripts/package.sh          the release build: preset "package", built
#                                 hardened as Debian builds, without tests, in
#                                 build-package/
#   ./scripts/package.sh build    packages a build folder that is already
#                                 built (CI passes the test build, so the
#                                 program is not compiled twice)
#
# The package ends up in that folder as quillfold_VERSION-1_ARCH.deb.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" package
cd "$here"
if [ $# -eq 0 ]; then
    cmake --preset package >/dev/null
    cmake --build --preset package
    build=build-package
else
    build=$1
    cmake --build "$build"
fi
rm -f "$build"/quillfold_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/quillfold_*.deb)
deb=${debs[0]}
echo "== $deb"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
app=io.github.quillfold.Quillfold

passed=0
failed=()
check() {
    local name=$1
    shift
    echo "== $name"
    if "$@"; then
        passed=$((passed + 1))
    else
        failed+=("$name")
    fi
}

# The files a desktop and a reader need; each program with its manual page.
installed_files() {
    local missing=0 file
    for file in usr/bin/quillfold \
        usr/share/applications/$app.desktop \
        usr/share/metainfo/$app.metainfo.xml \
        usr/share/icons/hicolor/scalable/apps/$app.svg \
        usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$app.png \
        usr/share/doc/quillfold/copyright \
        usr/share/doc/quillfold/changelog.Debian.gz \
        $(cd "$unpacked" && for program in usr/bin/*; do
            echo "usr/share/man/man1/${program##*/}.1.gz"
        done); do
        if [ ! -s "$unpacked/$file" ]; then
            echo "missing from the package: /$file"
            missing=1
        fi
    done
    return $missing
}

# The metainfo's addresses are not fetched: CI has no network.
check "dpkg-deb --info" dpkg-deb --info "$deb"
check "installed files" installed_files
check "desktop-file-validate" desktop-file-validate "$unpacked/usr/share/applications/$app.desktop"
check "appstreamcli validate" appstreamcli validate --no-net --pedantic \
    "$unpacked/usr/share/metainfo/$app.metainfo.xml"
check "lintian" lintian --fail-on error --display-info --pedantic "$deb"

if [ ${#failed[@]} -gt 0 ]; then
    echo "package checks that failed: ${failed[*]}" >&2
fi
echo "package: $passed passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
