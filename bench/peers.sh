#!/usr/bin/env bash
# Thumbnails of every JPEG in CORPUS, made by quorvel-batch and by the tools a user could
# pick instead, timed in the same run:
#
#   bench/peers.sh [--build DIR] [--sizes "90 300 1024"] [--runs 3] CORPUS
#
# For each size and for one worker and for all cores, each tool makes all thumbnails
# (fitting SIZE x SIZE, EXIF orientation applied, JPEG quality 85) --runs times into a
# fresh folder; the table gives the median time, images and input MB per second, the
# peak resident memory of the largest process, quorvel-batch's speed-up over the tool
# (its time / ours) and the mean SSIM of the tool's thumbnails against a reference (the
# full decode reduced with Lanczos; see bench/benchtool.cpp). The "decode floor" row is
# decoding alone at the DCT scale the size allows, in one process with the files already
# in memory (quorvel_benchtool floor): no tool built on libjpeg's decoding goes below it.
# "our decode" is the same loop through quorvel's own decode, which reads only the DC
# coefficients of a baseline file at 1/8 scale (and a progressive one's DC scans).
#
# Tools run one process per worker over its share of the files (convert: one process per
# file), with their own threading off. The peers: scripts/install-deps --bench. Build
# quorvel-batch and quorvel_benchtool optimised (the default preset is Release-like).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
self="$here/$(basename "$0")"
build="${QUORVEL_BUILD_DIR:-$here/../build}"
sizes="90 300 1024"
runs=3
while [ $# -gt 1 ]; do
    case "$1" in
    --build) build="$2"; shift 2 ;;
    --sizes) sizes="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    *) break ;;
    esac
done
[ $# -eq 1 ] || { echo "usage: bench/peers.sh [--build DIR] [--sizes \"90 300 1024\"] [--runs N] CORPUS" >&2; exit 2; }
corpus="$(cd "$1" && pwd)"
batch="$build/bin/quorvel-batch"
benchtool="$build/bin/quorvel_benchtool"
[ "${PEERS_RUN_ONE:-}" = 1 ] || for exe in "$batch" "$benchtool"; do
    [ -x "$exe" ] || { echo "peers.sh: $exe is missing; build it first (cmake --build ... --target quorvel-batch quorvel_benchtool)" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "peers.sh: GNU time is missing: scripts/install-deps --bench" >&2; exit 1; }

mapfile -d '' files < <(find "$corpus" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -print0 | sort -z)
count=${#files[@]}
[ "$count" -gt 0 ] || { echo "peers.sh: no JPEG files in $corpus" >&2; exit 1; }
cores=$(nproc)
jobs_list="1"
[ "$cores" -gt 1 ] && jobs_list="1 $cores"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Each tool's own threading off: the workers are the processes.
export OMP_NUM_THREADS=1 MAGICK_THREAD_LIMIT=1 VIPS_CONCURRENCY=1

pillow_script='
import os, sys
from PIL import Image, ImageOps
out, size = sys.argv[1], int(sys.argv[2])
for path in sys.argv[3:]:
    with Image.open(path) as im:
        im.draft("RGB", (size, size))
        im = ImageOps.exif_transpose(im)
        im.thumbnail((size, size))
        im.convert("RGB").save(os.path.join(out, os.path.basename(path)), quality=85)
'

have() { command -v "$1" >/dev/null 2>&1; }
tool_available() {
    case "$1" in
    quorvel | floor | floor-dc | ours-dc) return 0 ;;
    vipsthumbnail) have vipsthumbnail ;;
    convert | mogrify) [ -x /usr/bin/convert ] && [ -x /usr/bin/mogrify ] ;;
    gm) have gm ;;
    pillow) /usr/bin/python3 -c 'import PIL' 2>/dev/null ;;
    esac
}
tool_label() {
    case "$1" in
    quorvel) echo "quorvel-batch" ;;
    floor) echo "decode floor (in-process)" ;;
    floor-dc) echo "decode floor, DC scans only" ;;
    ours-dc) echo "our decode (in-process)" ;;
    vipsthumbnail) echo "vipsthumbnail" ;;
    convert) echo "IM convert -define jpeg:size" ;;
    mogrify) echo "IM mogrify" ;;
    gm) echo "GM mogrify -size" ;;
    pillow) echo "Pillow draft+thumbnail" ;;
    esac
}

# run_tool TOOL SIZE JOBS OUT: makes the thumbnails; prints the seconds taken when
# the tool measures itself (the floors), nothing otherwise.
run_tool() {
    local tool=$1 size=$2 jobs=$3 out=$4 geometry="${2}x${2}"
    local per=$(((count + jobs - 1) / jobs))
    case "$tool" in
    quorvel) "$batch" --quiet --no-border --size "$size" --jobs "$jobs" "$corpus" "$out" >/dev/null ;;
    floor) "$benchtool" floor --size "$size" --jobs "$jobs" "$corpus" | cut -d' ' -f1 ;;
    floor-dc) "$benchtool" floor --size "$size" --jobs "$jobs" --dc-only "$corpus" | cut -d' ' -f1 ;;
    ours-dc) "$benchtool" floor --size "$size" --jobs "$jobs" --dc-only --fast-dc "$corpus" | cut -d' ' -f1 ;;
    vipsthumbnail)
        printf '%s\0' "${files[@]}" | xargs -0 -P "$jobs" -n "$per" vipsthumbnail --size "$geometry" -o "$out/%s.jpg[Q=85]" ;;
    convert)
        printf '%s\0' "${files[@]}" | xargs -0 -P "$jobs" -n 1 sh -c \
            '/usr/bin/convert -define jpeg:size="$1" "$3" -auto-orient -thumbnail "$1" -quality 85 "$2/$(basename "$3")"' \
            _ "$geometry" "$out" ;;
    mogrify)
        printf '%s\0' "${files[@]}" | xargs -0 -P "$jobs" -n "$per" /usr/bin/mogrify -path "$out" \
            -define jpeg:size="$geometry" -auto-orient -thumbnail "$geometry" -quality 85 ;;
    gm) # -output-directory takes the file names as given: relative ones
        cd "$corpus"
        printf '%s\0' "${files[@]##*/}" | xargs -0 -P "$jobs" -n "$per" gm mogrify -output-directory "$out" \
            -size "$geometry" -auto-orient -thumbnail "$geometry" -quality 85 ;;
    pillow)
        printf '%s\0' "${files[@]}" | xargs -0 -P "$jobs" -n "$per" /usr/bin/python3 -c "$pillow_script" "$out" "$size" ;;
    esac
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One run of one tool, as a process of its own so that GNU time sees its peak memory.
# The clock runs here, around the tool alone: the setup of this script (finding the
# files) stays out of every tool's time alike. Prints the seconds.
if [ "${PEERS_RUN_ONE:-}" = 1 ]; then
    start=$(date +%s.%N)
    own=$(run_tool "$PEERS_TOOL" "$PEERS_SIZE" "$PEERS_JOBS" "$PEERS_OUT")
    end=$(date +%s.%N)
    if [ -n "$own" ]; then
        echo "$own"
    else
        awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
    fi
    exit 0
fi

bytes=$(cat "${files[@]}" | wc -c)

tools="quorvel floor floor-dc ours-dc vipsthumbnail convert mogrify gm pillow"
echo "Corpus: $corpus, $count JPEG files, $(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1048576 }') MB"
echo "Machine: $cores cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Times are medians of $runs runs; speed-up = the tool's time / quorvel-batch's time with the same workers."
for size in $sizes; do
    declare -A seconds=() memory=()
    for jobs in $jobs_list; do
        for tool in $tools; do
            tool_available "$tool" || continue
            times=()
            peak=0
            failed=0
            for ((run = 1; run <= runs; run++)); do
                out="$work/$size/$tool"
                rm -rf "$out"
                mkdir -p "$out"
                took=$(PEERS_RUN_ONE=1 PEERS_TOOL=$tool PEERS_SIZE=$size PEERS_JOBS=$jobs PEERS_OUT=$out \
                    /usr/bin/time -f %M -o "$work/mem" "$self" --build "$build" "$corpus" 2>"$work/err") \
                    || { failed=1; echo "peers.sh: $tool failed: $(head -c 300 "$work/err")" >&2; }
                times+=("${took:-0}")
                kb=$(tail -n 1 "$work/mem")
                [ "$kb" -gt "$peak" ] 2>/dev/null && peak=$kb
            done
            # A tool that failed in any run has no time: it did not make every thumbnail.
            if [ "$failed" = 1 ]; then
                seconds[$tool,$jobs]=failed
            else
                seconds[$tool,$jobs]=$(printf '%s\n' "${times[@]}" | median)
            fi
            memory[$tool,$jobs]=$peak
        done
    done
    # SSIM of the thumbnails of the last run (all cores).
    declare -A ssim=()
    dirs=()
    for tool in $tools; do
        case "$tool" in floor* | ours-dc) continue ;; esac
        [ -d "$work/$size/$tool" ] && dirs+=("$work/$size/$tool")
    done
    while read -r dir value compared missing; do
        ssim[$(basename "$dir")]="$value ($compared/$count)"
    done < <("$benchtool" ssim --size "$size" "$corpus" "${dirs[@]}")

    echo
    echo "Size $size (thumbnails fit ${size}x${size})"
    printf '%-30s %4s %9s %9s %8s %9s %10s %s\n' tool workers "median s" images/s "MB/s" "peak MB" speed-up "mean SSIM"
    for jobs in $jobs_list; do
        for tool in $tools; do
            [ -n "${seconds[$tool,$jobs]:-}" ] || continue
            s=${seconds[$tool,$jobs]}
            ours=${seconds[quorvel,$jobs]}
            if [ "$s" = failed ] || [ "$ours" = failed ]; then
                printf '%-30s %4s %9s\n' "$(tool_label "$tool")" "$jobs" "failed (see the messages above)"
                continue
            fi
            ratio="-"
            [ "$tool" != quorvel ] && ratio=$(awk -v p="$s" -v q="$ours" 'BEGIN { printf "%.2fx", p / q }')
            value="-"
            case "$tool" in floor* | ours-dc) ;; *) value="${ssim[$tool]:-n/a}" ;; esac
            printf '%-30s %4s %9.3f %9.1f %8.1f %9.1f %10s %s\n' "$(tool_label "$tool")" "$jobs" "$s" \
                "$(awk -v n="$count" -v s="$s" 'BEGIN { print n / s }')" \
                "$(awk -v b="$bytes" -v s="$s" 'BEGIN { print b / 1048576 / s }')" \
                "$(awk -v k="${memory[$tool,$jobs]}" 'BEGIN { print k / 1024 }')" "$ratio" "$value"
        done
    done
    unset seconds memory ssim
done
echo
echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
for tool in $tools; do
    tool_available "$tool" || echo "($(tool_label "$tool") is not installed: scripts/install-deps --bench)"
done
