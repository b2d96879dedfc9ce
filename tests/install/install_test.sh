#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built program into a temporary prefix, as a user would with
# `cmake --install`, and starts it from there: quorvel-batch --version and --help,
# quorvel --version and --help, then the program itself (offscreen), which must find
# its shipped files in share/quorvel and its manual in share/doc/quorvel, and quit by
# itself. Everything is installed: the Development component (Holtavi's headers and
# client library) too, which the Debian package leaves out.
# Usage: install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
mkdir -m 700 "$work/run"
fail() { echo "install test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
# Holtavi's private library folder: lib/<triplet>/quorvel, or lib/quorvel without a triplet.
holtavi_lib=$(cd "$prefix/lib" && ls -d quorvel */quorvel 2>/dev/null | head -1 || true)

for f in bin/quorvel bin/quorvel-batch bin/holtavi \
         share/quorvel/vellodeflogo.jpg share/quorvel/line.jpg \
         share/applications/example.quorvel.Quorvel.desktop \
         share/icons/hicolor/scalable/apps/example.quorvel.Quorvel.svg \
         share/icons/hicolor/16x16/apps/example.quorvel.Quorvel.png \
         share/icons/hicolor/256x256/apps/example.quorvel.Quorvel.png \
         share/metainfo/example.quorvel.Quorvel.metainfo.xml \
         share/man/man1/quorvel.1.gz share/man/man1/quorvel-batch.1.gz share/man/man1/holtavi.1.gz \
         share/doc/quorvel/manual/getting-started.html share/doc/quorvel/changelog.gz \
         lib/$holtavi_lib/libholtavi.so.1 share/holtavi/holtavi-typelib.json \
         include/holtavi/holtavi.h lib/$holtavi_lib/libholtavi_client.a; do
    [ -e "$prefix/$f" ] || fail "$f is not installed"
done

# The manual's pages show their windows' pictures from images/ beside them.
manual=$prefix/share/doc/quorvel/manual
for page in "$manual"/*.html; do
    for picture in $(grep -o '<img src="[^"]*"' "$page" | sed 's/^<img src="//; s/"$//' || true); do
        [ -s "$manual/$picture" ] || fail "$(basename "$page") shows $picture, which is not installed"
    done
done
[ -s "$manual/images/frmForm.png" ] || fail "the manual's pictures are not installed"

# As on a system install, the program folder is not writable by the user. (Under
# root that does not hold, which is why the program also recognises the layout.)
chmod a-w "$prefix/bin"

out=$("$prefix/bin/quorvel-batch" --version)
[ "$out" = "quorvel-batch $version" ] || fail "quorvel-batch --version said: $out"
"$prefix/bin/quorvel-batch" --help | grep -q '^Usage: quorvel-batch' || fail "quorvel-batch --help"
# holtavi starts only when it finds its private library in the prefix.
"$prefix/bin/holtavi" --help | grep -q '^usage: holtavi' || fail "holtavi does not start"
out=$("$prefix/bin/holtavi" --version)
[ "$out" = "holtavi 1.0.0" ] || fail "holtavi --version said: $out"

# --help, --version and a wrong option need no display at all.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$prefix/bin/quorvel" --version | head -1)
[ "$out" = "quorvel $version" ] || fail "quorvel --version said: $out"
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/quorvel" --help | grep -q '^Usage: quorvel' || fail "quorvel --help"
set +e
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= XDG_RUNTIME_DIR=$work/run \
    "$prefix/bin/quorvel" --no-such-option >/dev/null 2>"$work/err"
status=$?
set -e
[ $status = 2 ] || fail "an unknown option gave exit status $status"
grep -q "unknown option '--no-such-option'" "$work/err" || fail "unknown option message: $(cat "$work/err")"

# The program itself, in a fresh home: it starts, copies the logo pictures from
# share/quorvel to the user's data folder, writes nothing beside itself, and quits.
home=$work/home
mkdir -p "$home"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen QUORVEL_TEST_QUIT_AFTER_START=1 \
    QTWEBENGINE_DISABLE_SANDBOX=1 timeout 60 "$prefix/bin/quorvel" >"$work/start" || fail "quorvel did not start and quit (status $?)"
grep -qx "manual: $prefix/share/doc/quorvel/manual/contents.html" "$work/start" \
    || fail "quorvel did not find its installed manual: $(cat "$work/start")"
for logo in vellodeflogo.jpg line.jpg; do
    cmp -s "$home/.local/share/Quorvel/$logo" "$prefix/share/quorvel/$logo" \
        || fail "the program did not take $logo from share/quorvel"
done
[ -z "$(ls "$prefix/bin" | grep -v -x -e quorvel -e quorvel-batch -e holtavi)" ] \
    || fail "the program wrote into its bin folder: $(ls "$prefix/bin")"

# The desktop files are valid.
command -v desktop-file-validate >/dev/null || fail "no desktop-file-validate (Debian: desktop-file-utils)"
command -v appstreamcli >/dev/null || fail "no appstreamcli (Debian: appstream)"
desktop-file-validate "$prefix/share/applications/example.quorvel.Quorvel.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/example.quorvel.Quorvel.metainfo.xml" >/dev/null \
    || appstreamcli validate --no-net "$prefix/share/metainfo/example.quorvel.Quorvel.metainfo.xml" >/dev/null \
    || fail "AppStream data does not validate"
echo "install test: all good in $prefix"
