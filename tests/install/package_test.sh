#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack into a temporary folder and checks what a
# fresh Debian 12 needs from it: the libraries it depends on (worked out by
# dpkg-shlibdeps), and the files that put Quorvel in the desktop menu; that it holds
# nothing for developers; that lintian finds no error or warning in it (pedantic
# included); and that every binary in it carries Debian's hardening (hardening-check).
# scripts/check-package goes further: it installs the package in a clean Debian 12.
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
for f in ./usr/bin/holtavi ./usr/lib/x86_64-linux-gnu/quorvel/libholtavi.so.1 ./usr/share/holtavi/holtavi-typelib.json \
         ./usr/share/man/man1/holtavi.1.gz ./usr/share/doc/quorvel/changelog.gz \
         ./usr/share/icons/hicolor/48x48/apps/example.quorvel.Quorvel.png; do
    grep -q " $f" <<<"$files" || fail "$f is not in the package"
done
# Nothing for developers: no headers, static libraries or .so links.
dev=$(grep -E ' \./usr/include/|\.a$|\.so$|\.so -> ' <<<"$files" || true)
[ -z "$dev" ] || fail "files for developers in the package: $dev"

# Debian's package checker: no error and no warning, pedantic tags included.
command -v lintian >/dev/null || fail "lintian is missing (scripts/install-deps installs it)"
lintian --pedantic --fail-on error,warning,pedantic "$deb" >"$work/lintian" 2>&1 \
    || fail "lintian: $(cat "$work/lintian")"

# Every binary carries Debian's hardening: PIE, stack protector, fortified calls,
# RELRO and immediate binding. Not control-flow protection: Debian 12's
# dpkg-buildflags does not turn it on. Holtavi's library is built with the fortify
# flag too, but none of its calls writes to a buffer whose size the compiler knows
# (its strings are all std::string), so there is no fortified call to find.
command -v hardening-check >/dev/null || fail "hardening-check is missing (scripts/install-deps installs devscripts)"
mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
binaries=0
while read -r binary; do
    options=(--quiet --nocfprotection)
    [[ "$binary" == */libholtavi.so.* ]] && options+=(--nofortify)
    hardening-check "${options[@]}" "$binary" >"$work/hardening" 2>&1 || fail "hardening-check: $(cat "$work/hardening")"
    binaries=$((binaries + 1))
done < <(find "$work/root" -type f -exec sh -c 'head -c 4 "$1" | grep -q "^.ELF"' _ {} \; -print)
[ $binaries -ge 4 ] || fail "only $binaries binaries found in the package"
echo "package test: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB, $binaries binaries hardened, lintian clean) depends on $depends"
