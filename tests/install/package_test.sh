#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack into a temporary folder and checks what a
# fresh Debian 12 needs from it: the libraries it depends on (worked out by
# dpkg-shlibdeps), and the files that put Quorvel in the desktop menu.
# Usage: package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
fail() { echo "package test: $*" >&2; exit 1; }
command -v dpkg-shlibdeps >/dev/null || fail "no dpkg-shlibdeps (Debian: dpkg-dev)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >/dev/null
deb="$work/quorvel_${version}_amd64.deb"
[ -f "$deb" ] || deb=$(ls "$work"/quorvel_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6webenginewidgets6 libjpeg62-turbo libgif7 libexif12 liblcms2-2 xdg-utils; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Section)" = "graphics" ] || fail "section"
files=$(dpkg-deb -c "$deb")
for f in ./usr/bin/quorvel ./usr/bin/quorvel-batch ./usr/share/quorvel/line.jpg \
         ./usr/share/applications/example.quorvel.Quorvel.desktop \
         ./usr/share/icons/hicolor/scalable/apps/example.quorvel.Quorvel.svg \
         ./usr/share/metainfo/example.quorvel.Quorvel.metainfo.xml ./usr/share/doc/quorvel/copyright; do
    grep -q " $f\$" <<<"$files" || fail "$f is not in the package"
done
echo "package test: $(basename "$deb") depends on $depends"
