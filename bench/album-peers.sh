#!/usr/bin/env bash
# Web albums of the pictures in CORPUS, made by quorvel-batch --album and by the peers a
# user could pick for the same job, timed in the same run:
#
#   bench/album-peers.sh [--build DIR] [--runs 3] [--thumbsup DIR] [--big 1000]
#                        [--big-source DIR] [--first-build-only] CORPUS
#
# The pictures are the JPEG, PNG, WebP, TIFF, HEIC and AVIF files of CORPUS, by their
# extension; bench/corpus.sh --formats makes a corpus of each kind, and one run per
# corpus gives the table of that kind. --first-build-only leaves out the rebuilds.
#
# Every tool makes, on all cores, a web-size copy (longer side 2048) and a thumbnail
# (200 pixels high) of every photo at JPEG quality 85, --runs times into a fresh
# folder; the first table gives the median time, photos per second, the peak resident
# memory of the largest process, quorvel-batch's speed-up (the tool's time / ours), the
# median processor time of all its processes (user and system) and the speed-up in it
# (on a loaded machine a tool that runs more threads than there are cores gets a larger
# share of the processor, so its time alone flatters it), and
# the mean SSIM of the luma of the web-size copies against a reference (the full decode
# reduced with Lanczos; see bench/benchtool.cpp). quorvel-batch also makes a thumbnail
# twice as high for dense screens, which the peers are not asked for.
#
# The peers:
#  - a vipsthumbnail script: each worker runs vipsthumbnail twice over its share of the
#    files, once per size (libvips-tools: scripts/install-deps --bench);
#  - thumbsup, from the npm registry, installed into a scratch folder given by --thumbsup
#    (or $THUMBSUP_DIR): `npm install thumbsup` there (its native module builds from
#    source against the headers of the installed Node); it needs GraphicsMagick and
#    exiftool. Its large photos are sized by height: 1152, the height a 16:9 photo has
#    at 2048 wide. Never commit its node_modules.
#
# Then the rebuilds of quorvel-batch: an album of --big photos (the corpus hard-linked
# over and over under new names; or --big-source's photos, which makes its first build
# quicker: a rebuild with nothing changed reads no photo, whatever their size) rebuilt
# with nothing changed, and the corpus's album
# rebuilt after 5 photos were added, against an album of those 5 alone.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
self="$here/$(basename "$0")"
build="${QUORVEL_BUILD_DIR:-$here/../build}"
runs=3
big=1000
big_source=""
first_only=0
thumbsup_dir="${THUMBSUP_DIR:-}"
web=2048
thumb=200
quality=85
while [ $# -gt 1 ]; do
    case "$1" in
    --build) build="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    --big) big="$2"; shift 2 ;;
    --big-source) big_source="$(cd "$2" && pwd)"; shift 2 ;;
    --thumbsup) thumbsup_dir="$2"; shift 2 ;;
    --first-build-only) first_only=1; shift ;;
    *) break ;;
    esac
done
[ $# -eq 1 ] || { echo "usage: bench/album-peers.sh [--build DIR] [--runs N] [--thumbsup DIR] [--big N] [--big-source DIR] [--first-build-only] CORPUS" >&2; exit 2; }
corpus="$(cd "$1" && pwd)"
batch="$build/bin/quorvel-batch"
benchtool="$build/bin/quorvel_benchtool"
thumbsup="${thumbsup_dir:+$thumbsup_dir/node_modules/.bin/thumbsup}"
cores=$(nproc)

have() { command -v "$1" >/dev/null 2>&1; }
# pictures DIR: the pictures of DIR, NUL-separated, in name order.
pictures() {
    find "$1" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' -o -iname '*.png' -o -iname '*.webp' \
        -o -iname '*.tif' -o -iname '*.tiff' -o -iname '*.heic' -o -iname '*.avif' \) -print0 | sort -z
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# run_tool TOOL SOURCE OUT: makes the album or the two sizes of SOURCE's photos in OUT.
run_tool() {
    local tool=$1 source=$2 out=$3
    case "$tool" in
    quorvel)
        "$batch" --quiet --album --web-size "$web" --thumb-height "$thumb" --quality "$quality" --jobs "$cores" \
            "$source" "$out" >/dev/null ;;
    vipsthumbnail)
        mkdir -p "$out/web" "$out/thumbs"
        local list=() per
        mapfile -d '' list < <(pictures "$source")
        per=$(((${#list[@]} + cores - 1) / cores))
        printf '%s\0' "${list[@]}" | xargs -0 -P "$cores" -n "$per" bash -c '
            vipsthumbnail --size "$1" -o "$3/web/%s.jpg[Q=$4,strip,interlace]" "${@:5}" &&
            vipsthumbnail --size "$2" -o "$3/thumbs/%s.jpg[Q=$4,strip,interlace]" "${@:5}"' \
            _ "${web}x${web}" "x${thumb}" "$out" "$quality" ;;
    thumbsup)
        "$thumbsup" --input "$source" --output "$out" --thumb-size "$thumb" --small-size "$thumb" \
            --large-size 1152 --photo-quality "$quality" --concurrency "$cores" --photo-download link \
            --log default >"$out.log" 2>&1 || { tail -n 5 "$out.log" >&2; return 1; } ;;
    esac
}

# One timed run of one tool, as a process of its own so that GNU time sees its memory.
if [ "${ALBUM_RUN_ONE:-}" = 1 ]; then
    start=$(date +%s.%N)
    run_tool "$ALBUM_TOOL" "$ALBUM_SOURCE" "$ALBUM_OUT"
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
    exit 0
fi

for exe in "$batch" "$benchtool"; do
    [ -x "$exe" ] || { echo "album-peers.sh: $exe is missing; build quorvel-batch and quorvel_benchtool first" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "album-peers.sh: GNU time is missing: scripts/install-deps --bench" >&2; exit 1; }
mapfile -d '' files < <(pictures "$corpus")
count=${#files[@]}
[ "$count" -gt 5 ] || { echo "album-peers.sh: CORPUS needs more than 5 pictures" >&2; exit 1; }
bytes=$(cat "${files[@]}" | wc -c)
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# timed TOOL SOURCE OUT: one run into a fresh OUT; prints "seconds peak-kB cpu-seconds".
timed() {
    rm -rf "$3"
    local took
    took=$(ALBUM_RUN_ONE=1 ALBUM_TOOL=$1 ALBUM_SOURCE=$2 ALBUM_OUT=$3 /usr/bin/time -f '%M %U %S' -o "$work/mem" \
        "$self" --build "$build" ${thumbsup_dir:+--thumbsup "$thumbsup_dir"} "$corpus" 2>"$work/err") || { echo "album-peers.sh: $1 failed: $(tail -c 600 "$work/err")" >&2; return 1; }
    echo "$took $(tail -n 1 "$work/mem" | awk '{ print $1, $2 + $3 }')"
}

kinds=$(printf '%s\n' "${files[@]##*.}" | tr 'A-Z' 'a-z' | sort | uniq -c | awk '{ printf "%s%s %s", sep, $1, $2; sep = ", " }')
echo "Corpus: $corpus, $count pictures ($kinds), $(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1048576 }') MB"
echo "Machine: $cores cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Web size $web (longer side), thumbnails $thumb high, quality $quality, $cores workers; medians of $runs runs."

tools="quorvel"
if have vipsthumbnail; then tools+=" vipsthumbnail"; else echo "(vipsthumbnail is not installed: scripts/install-deps --bench)"; fi
if [ -n "$thumbsup" ] && [ -x "$thumbsup" ] && have gm && have exiftool; then
    tools+=" thumbsup"
else
    echo "(thumbsup is left out: give --thumbsup DIR of an npm install of it; it needs gm and exiftool)"
fi

declare -A seconds=() memory=() cpu=()
for tool in $tools; do
    times=()
    cpus=()
    peak=0
    for ((run = 1; run <= runs; run++)); do
        read -r took kb used < <(timed "$tool" "$corpus" "$work/out/$tool") || { times=(); break; }
        times+=("$took")
        cpus+=("$used")
        [ "$kb" -gt "$peak" ] && peak=$kb
    done
    [ ${#times[@]} -gt 0 ] || continue
    seconds[$tool]=$(printf '%s\n' "${times[@]}" | median)
    cpu[$tool]=$(printf '%s\n' "${cpus[@]}" | median)
    memory[$tool]=$peak
done

# The web-size copies under their photos' names, for the SSIM.
ssim_dirs=()
if [ -n "${seconds[quorvel]:-}" ]; then
    mkdir -p "$work/ssim/quorvel"
    for f in "${files[@]}"; do
        stem="$(basename "$f")"
        stem="${stem%.*}"
        for made in "$work/out/quorvel/web/$stem"-[0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f].jpg; do
            [ -e "$made" ] && ln -s "$made" "$work/ssim/quorvel/$stem.jpg"
        done
    done
    ssim_dirs+=("$work/ssim/quorvel")
fi
[ -n "${seconds[vipsthumbnail]:-}" ] && ssim_dirs+=("$work/out/vipsthumbnail/web")
[ -n "${seconds[thumbsup]:-}" ] && ssim_dirs+=("$work/out/thumbsup/media/large")
declare -A ssim=()
while read -r dir value compared missing; do
    case "$dir" in
    */ssim/quorvel) ssim[quorvel]="$value ($compared/$count)" ;;
    */vipsthumbnail/web) ssim[vipsthumbnail]="$value ($compared/$count)" ;;
    */media/large) ssim[thumbsup]="$value ($compared/$count)" ;;
    esac
done < <("$benchtool" ssim --size "$web" "$corpus" "${ssim_dirs[@]}")

echo
echo "First build"
printf '%-16s %9s %9s %9s %10s %9s %10s %s\n' tool "median s" photos/s "peak MB" speed-up "cpu s" "cpu ratio" \
    "mean SSIM of the web-size copies"
# against TABLE TOOL: the tool's median in TABLE against ours ("-" for ours).
against() {
    local -n table=$1
    [ "$2" != quorvel ] && [ -n "${table[quorvel]:-}" ] || { echo "-"; return; }
    awk -v p="${table[$2]}" -v q="${table[quorvel]}" 'BEGIN { printf "%.2fx", p / q }'
}
for tool in $tools; do
    [ -n "${seconds[$tool]:-}" ] || { printf '%-16s %9s\n' "$tool" failed; continue; }
    s=${seconds[$tool]}
    printf '%-16s %9.2f %9.1f %9.1f %10s %9.2f %10s %s\n' "$tool" "$s" \
        "$(awk -v n="$count" -v s="$s" 'BEGIN { print n / s }')" "$(awk -v k="${memory[$tool]}" 'BEGIN { print k / 1024 }')" \
        "$(against seconds "$tool")" "${cpu[$tool]}" "$(against cpu "$tool")" "${ssim[$tool]:-n/a}"
done

if [ "$first_only" -eq 1 ]; then
    echo
    echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
    exit 0
fi

# Rebuilds. A rerun with nothing changed, on an album of $big photos.
mkdir -p "$work/big"
big_files=("${files[@]}")
[ -n "$big_source" ] && mapfile -d '' big_files < <(pictures "$big_source")
for ((i = 0; i < big; i++)); do
    f="${big_files[$((i % ${#big_files[@]}))]}"
    ln "$f" "$work/big/$(printf '%04d' "$i")-$(basename "$f")"
done
echo
read -r first_big _ < <(timed quorvel "$work/big" "$work/out/big")
reruns=()
for ((run = 1; run <= runs; run++)); do
    start=$(date +%s.%N)
    run_tool quorvel "$work/big" "$work/out/big"
    end=$(date +%s.%N)
    reruns+=("$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')")
done
printf 'Album of %d photos%s: first build %.1f s; rebuild with nothing changed %.3f s (median of %d)\n' \
    "$big" "${big_source:+ from $big_source}" "$first_big" "$(printf '%s\n' "${reruns[@]}" | median)" "$runs"

# A rerun after adding 5 photos, against making an album of those 5 alone.
mkdir -p "$work/grown" "$work/five"
for f in "${files[@]}"; do ln "$f" "$work/grown/"; done
run_tool quorvel "$work/grown" "$work/out/base"
for ((i = 0; i < 5; i++)); do
    f="${files[$((i * count / 5))]}"
    cp "$f" "$work/five/added-$i.${f##*.}" # new files, with a new time, as a camera's would be
done
added=()
alone=()
for ((run = 1; run <= runs; run++)); do
    rm -rf "$work/out/grown"
    cp -a "$work/out/base" "$work/out/grown"
    rm -f "$work/grown"/added-*
    cp -p "$work/five"/* "$work/grown/"
    start=$(date +%s.%N)
    run_tool quorvel "$work/grown" "$work/out/grown"
    end=$(date +%s.%N)
    added+=("$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')")
    read -r took _ < <(timed quorvel "$work/five" "$work/out/five")
    alone+=("$took")
done
a=$(printf '%s\n' "${added[@]}" | median)
b=$(printf '%s\n' "${alone[@]}" | median)
printf 'Album of %d photos, 5 added: rebuild %.3f s; an album of those 5 alone %.3f s (%.2fx)\n' \
    "$count" "$a" "$b" "$(awk -v a="$a" -v b="$b" 'BEGIN { print a / b }')"
echo
echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
