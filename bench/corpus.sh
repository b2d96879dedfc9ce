#!/usr/bin/env bash
# Builds corpora of real photographs for bench/peers.sh, outside the project:
#
#   bench/corpus.sh DIR            wallpaper photos from Debian's wallpaper packages in
#                                  DIR/wallpapers (downloaded with apt-get download and
#                                  unpacked with dpkg-deb -x: nothing is installed), and
#                                  the baseline ones of 4 megapixels or more among them,
#                                  the size and kind of camera photographs, in DIR/baseline
#                                  (needs ImageMagick's identify: scripts/install-deps --bench)
#   bench/corpus.sh --camera DIR   the real camera photographs of the test pictures (tests/data)
#                                  (baseline JPEGs with their EXIF) in DIR/camera
#   bench/corpus.sh --album DIR    after the first form: DIR/album, each wallpaper photo
#                                  twice, as it is and as a camera stores a portrait photo
#                                  (the same pixels, tagged with EXIF orientation 6: to be
#                                  turned upright), for bench/album-peers.sh (needs exiftool)
#
# Only JPEGs of 200 KB or more are kept, named PACKAGE-N.jpg; of a folder of renditions
# (".../contents/images*/WIDTHxHEIGHT.jpg", one photo in many sizes) only the largest.
# Nothing is committed.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
testdata="$(cd "$here/.." && pwd)/tests/data"
packages=(plasma-workspace-wallpapers gnome-backgrounds mate-backgrounds ukui-wallpapers lomiri-wallpapers
    lomiri-wallpapers-16.04 lomiri-wallpapers-20.04 sway-backgrounds)

usage() {
    echo "usage: bench/corpus.sh [--camera | --album] DIR" >&2
    exit 2
}

camera=0
album=0
[ "${1:-}" = "--camera" ] && { camera=1; shift; }
[ "${1:-}" = "--album" ] && { album=1; shift; }
[ $# -eq 1 ] || usage
out="$(mkdir -p "$1" && cd "$1" && pwd)"

if [ "$album" -eq 1 ]; then
    [ -d "$out/wallpapers" ] || { echo "corpus.sh: no $out/wallpapers; run bench/corpus.sh $1 first" >&2; exit 1; }
    command -v exiftool >/dev/null || { echo "corpus.sh: exiftool is missing (scripts/install-deps --test)" >&2; exit 1; }
    rm -rf "$out/album"
    mkdir -p "$out/album"
    for f in "$out"/wallpapers/*.jpg; do
        name="$(basename "$f" .jpg)"
        cp "$f" "$out/album/$name.jpg"
        exiftool -q -q -Orientation#=6 -o "$out/album/$name-portrait.jpg" "$f"
    done
    echo "corpus.sh: $(ls "$out/album" | wc -l) photos in $out/album ($(du -sm "$out/album" | cut -f1) MB)"
    exit 0
fi

if [ "$camera" -eq 1 ]; then
    [ -d "$testdata/cameras" ] || { echo "corpus.sh: no test data at $testdata" >&2; exit 1; }
    mkdir -p "$out/camera"
    # The cameras' own files and the orientation photographs: all real, all baseline.
    for f in "$testdata"/cameras/*.jpg "$testdata"/orientation/*.jpg "$testdata"/names/*.jpg; do
        name="$(basename "$f" | tr -c 'A-Za-z0-9.\n-' '_')"
        cp "$f" "$out/camera/$name"
    done
    echo "corpus.sh: $(ls "$out/camera" | wc -l) camera photographs in $out/camera"
    exit 0
fi

work="$out/.packages"
rm -rf "$out/wallpapers"
mkdir -p "$work" "$out/wallpapers"
cd "$work"
for p in "${packages[@]}"; do
    if ! ls "$p"_*.deb >/dev/null 2>&1; then
        apt-get download "$p" >/dev/null 2>&1 || { echo "corpus.sh: $p is not available; skipped" >&2; continue; }
    fi
    rm -rf "unpacked-$p"
    dpkg-deb -x "$p"_*.deb "unpacked-$p"
    n=0
    while IFS= read -r dir; do
        files="$(find "$dir" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -size +200k -printf '%s %p\n' \
            | sort -rn | cut -d' ' -f2-)"
        case "$dir" in
        */contents/images*) files="$(printf '%s\n' "$files" | head -n 1)" ;;
        esac
        while IFS= read -r f; do
            [ -n "$f" ] || continue
            # Only real JPEG files (some packages name other formats .jpg).
            [ "$(head -c 3 "$f" | od -An -tx1 | tr -d ' \n')" = "ffd8ff" ] || continue
            n=$((n + 1))
            cp "$f" "$out/wallpapers/$p-$n.jpg"
        done <<<"$files"
    done < <(find "unpacked-$p" -type d | sort)
    echo "corpus.sh: $p: $n photos"
done
echo "corpus.sh: $(ls "$out/wallpapers" | wc -l) photos in $out/wallpapers" \
    "($(du -sm "$out/wallpapers" | cut -f1) MB)"

if ! command -v identify >/dev/null 2>&1; then
    echo "corpus.sh: identify is missing (scripts/install-deps --bench); $out/baseline not made" >&2
    exit 0
fi
rm -rf "$out/baseline"
mkdir -p "$out/baseline"
for f in "$out"/wallpapers/*.jpg; do
    read -r interlace width height < <(identify -format '%[interlace] %w %h\n' "$f" 2>/dev/null | head -n 1) || continue
    if [ "$interlace" = None ] && [ $((width * height)) -ge 4000000 ]; then
        cp "$f" "$out/baseline/"
    fi
done
echo "corpus.sh: $(ls "$out/baseline" | wc -l) baseline photos of 4 MP or more in $out/baseline" \
    "($(du -sm "$out/baseline" | cut -f1) MB)"
