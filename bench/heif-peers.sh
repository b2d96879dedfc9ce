#!/usr/bin/env bash
# Thumbnails of the HEIC and AVIF pictures of CORPUS (bench/corpus.sh --heic makes one),
# made by Quorvel's engine and by vipsthumbnail, timed in the same run:
#
#   bench/heif-peers.sh [--build DIR] [--sizes "200 2048"] CORPUS
#
# For each size (the longer side; 200 a thumbnail, 2048 the web album's copy) both make
# a JPEG at quality 85 of every picture on all cores, three times over: Quorvel through
# quorvel_benchtool heic (the engine's decode, reduction and encoding, files read from
# disk and written), vipsthumbnail as one process per core over its share of the files.
# Both decode a picture's stored thumbnail when it covers the size. One line per tool and
# size: the median seconds per picture, the peak resident memory of the largest process,
# our speed-up (its time / ours) and the mean SSIM of the luma against the full decode
# reduced with Lanczos (quorvel_benchtool ssim). A last line gives the engine's time at
# the smallest size with the stored thumbnail left aside (--full): what a preview costs
# without it.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="${QUORVEL_BUILD_DIR:-$here/../build}"
sizes="200 2048"
while [ $# -gt 1 ]; do
    case "$1" in
    --build) build="$2"; shift 2 ;;
    --sizes) sizes="$2"; shift 2 ;;
    *) break ;;
    esac
done
[ $# -eq 1 ] || { echo "usage: bench/heif-peers.sh [--build DIR] [--sizes \"200 2048\"] CORPUS" >&2; exit 2; }
corpus="$(cd "$1" && pwd)"
benchtool="$build/bin/quorvel_benchtool"
cores=$(nproc)
# libvips warns on every AVIF that it leaves its colour description aside (sRGB here)
export VIPS_WARNING=0
[ -x "$benchtool" ] || { echo "heif-peers.sh: build quorvel_benchtool first ($benchtool)" >&2; exit 1; }
for tool in vipsthumbnail /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "heif-peers.sh: $tool is missing (scripts/install-deps --bench)" >&2; exit 1; }
done
mapfile -d '' files < <(find "$corpus" -maxdepth 1 -type f \( -iname '*.heic' -o -iname '*.heif' -o -iname '*.avif' \) -print0 | sort -z)
[ ${#files[@]} -gt 0 ] || { echo "heif-peers.sh: no HEIC or AVIF pictures in $corpus" >&2; exit 1; }
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# quorvel SIZE OUT [--full]: seconds per picture and peak memory in MB.
quorvel() {
    local size=$1 out=$2
    shift 2
    /usr/bin/time -f '%M' -o "$scratch/rss" "$benchtool" heic --size "$size" --jobs "$cores" "$@" "$corpus" "$out" \
        >"$scratch/quorvel.txt"
    echo "$(cut -d' ' -f1 "$scratch/quorvel.txt") $(($(cat "$scratch/rss") / 1024))"
}

# vips SIZE OUT: seconds per picture (median of 3) and the largest process's peak memory.
vips() {
    local size=$1 out=$2 per=$(((${#files[@]} + cores - 1) / cores)) times=() start end
    for _ in 1 2 3; do
        rm -rf "$out" && mkdir -p "$out" "$scratch/rss.d"
        start=$(date +%s.%N)
        # shellcheck disable=SC2016 # the inner script's own variables
        printf '%s\0' "${files[@]}" | xargs -0 -P "$cores" -n "$per" bash -c '
            /usr/bin/time -f "%M" -o "$(mktemp -p "$1")" vipsthumbnail --size "$2" -o "$3/%s.jpg[Q=85,strip]" "${@:4}"' \
            _ "$scratch/rss.d" "${size}x${size}" "$out"
        end=$(date +%s.%N)
        times+=("$(echo "($end - $start) / ${#files[@]}" | bc -l)")
    done
    echo "$(printf '%s\n' "${times[@]}" | median) $(($(cat "$scratch"/rss.d/* | sort -g | tail -n 1) / 1024))"
    rm -rf "$scratch/rss.d"
}

ssim() {
    "$benchtool" ssim --size "$1" "$corpus" "$2" | awk '{ print $2 }'
}

echo "${#files[@]} pictures, $(du -sm "$corpus" | cut -f1) MB, $cores workers"
printf '%-14s %6s %12s %9s %9s %7s\n' tool size s/picture "peak MB" speed-up SSIM
declare -A per_picture
for size in $sizes; do
    read -r ours ours_rss < <(quorvel "$size" "$scratch/quorvel-$size")
    per_picture[$size]=$ours
    read -r theirs theirs_rss < <(vips "$size" "$scratch/vips-$size")
    printf '%-14s %6s %12.4f %9s %9s %7.4f\n' quorvel "$size" "$ours" "$ours_rss" "" "$(ssim "$size" "$scratch/quorvel-$size")"
    printf '%-14s %6s %12.4f %9s %8.1fx %7.4f\n' vipsthumbnail "$size" "$theirs" "$theirs_rss" \
        "$(echo "$theirs / $ours" | bc -l)" "$(ssim "$size" "$scratch/vips-$size")"
done
smallest=$(tr ' ' '\n' <<<"$sizes" | sort -g | head -n 1)
read -r full full_rss < <(quorvel "$smallest" "$scratch/full" --full)
printf '%-14s %6s %12.4f %9s %8.1fx (the stored thumbnail over a full decode)\n' "quorvel --full" "$smallest" "$full" \
    "$full_rss" "$(echo "$full / ${per_picture[$smallest]}" | bc -l)"
