#!/bin/sh
# Installs the Debian package into a scratch root and starts the installed program there, without
# any display. Usage: deb_test.sh PACKAGE-FOLDER VERSION
set -eu
folder=$1
version=$2
if ! command -v dpkg-deb >/dev/null 2>&1; then
    echo "SKIP: dpkg-deb is not installed (Debian: dpkg)"
    exit 77
fi
deb=$folder/vendel_${version}_amd64.deb
[ -f "$deb" ] || { echo "FAIL: no package $deb"; exit 1; }
fail() { echo "FAIL: $*"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in qt6-translations-l10n fonts-dejavu-core libqt6widgets6; do
    echo "$depends" | grep -q "$needed" || fail "the package does not depend on $needed"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for file in usr/bin/vendel "usr/share/vendel/VL Ayuda.pdf" "usr/share/vendel/VL Help.pdf" \
            "usr/share/vendel/demo/VL Lista.txt" "usr/share/vendel/demo/VL List.txt" \
            "usr/share/vendel/demo/VL Info.txt" \
            usr/share/applications/io.github.vendel.Vendel.desktop \
            usr/share/metainfo/io.github.vendel.Vendel.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/io.github.vendel.Vendel.svg \
            usr/share/icons/hicolor/16x16/apps/io.github.vendel.Vendel.png \
            usr/share/icons/hicolor/256x256/apps/io.github.vendel.Vendel.png \
            usr/share/man/man1/vendel.1.gz usr/share/doc/vendel/copyright; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done

# No display at all: --version and --help must not need one.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/vendel" "$@"; }
out=$(run --version) || fail "vendel --version ended with status $?"
[ "$out" = "Vendel $version" ] || fail "vendel --version said: $out"
out=$(run --help) || fail "vendel --help ended with status $?"
echo "$out" | grep -q -- "--data-dir" || fail "vendel --help said: $out"
status=0
run --no-such-option >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "a bad option ended with status $status, not 2"

if command -v lintian >/dev/null 2>&1; then
    # A sanitized test build is not what the shop installs: its extra findings are left to `make deb`.
    lintian --fail-on error "$deb" || fail "lintian found errors"
else
    echo "lintian is not installed; the package was not checked by it"
fi
echo "PASS: $deb"
