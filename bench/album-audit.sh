#!/usr/bin/env bash
# The web album's page as Lighthouse scores it on its mobile profile (a mid-range phone on
# a slow 4G line, simulated):
#
#   bench/album-audit.sh [--runs 3] [--port N] ALBUM
#
# Serves the album folder ALBUM (index.html and its files) from localhost with
# python3 -m http.server, runs Lighthouse 12.2.3 --runs times with Debian's Chromium,
# and prints each run's Performance, Accessibility and Best Practices scores (0-100),
# its Cumulative Layout Shift, Largest Contentful Paint and Total Blocking Time, then the
# median of each. The JSON reports stay in the scratch folder.
#
# Lighthouse comes from the npm registry into a scratch folder outside the project
# (QUORVEL_AUDIT_DIR, default ~/.cache/quorvel-album-audit), once. Not run by CI.
# Make the album with quorvel-batch --album (build/bin) from a folder of photos, e.g.
# the corpus of bench/corpus.sh:
#   build/bin/quorvel-batch --album CORPUS/wallpapers /tmp/album && bench/album-audit.sh /tmp/album
set -euo pipefail

lighthouse_version=12.2.3
scratch="${QUORVEL_AUDIT_DIR:-$HOME/.cache/quorvel-album-audit}"
runs=3
port=0
while [ $# -gt 1 ]; do
    case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --port) port="$2"; shift 2 ;;
    *) break ;;
    esac
done
[ $# -eq 1 ] || { echo "usage: bench/album-audit.sh [--runs N] [--port N] ALBUM" >&2; exit 2; }
album="$(cd "$1" && pwd)"
[ -f "$album/index.html" ] || { echo "album-audit.sh: no index.html in $album" >&2; exit 1; }
export CHROME_PATH="${CHROMIUM:-/usr/bin/chromium}"
[ -x "$CHROME_PATH" ] || { echo "album-audit.sh: no Chromium at $CHROME_PATH (scripts/install-deps --test)" >&2; exit 1; }
command -v npm >/dev/null || { echo "album-audit.sh: npm is missing (scripts/install-deps --test)" >&2; exit 1; }

lighthouse="$scratch/node_modules/.bin/lighthouse"
if [ "$("$lighthouse" --version 2>/dev/null)" != "$lighthouse_version" ]; then
    echo "album-audit.sh: installing Lighthouse $lighthouse_version into $scratch" >&2
    mkdir -p "$scratch"
    npm install --prefix "$scratch" --no-audit --no-fund --loglevel=error "lighthouse@$lighthouse_version" >/dev/null
fi

# The server on a free port of localhost (Lighthouse takes localhost as a secure origin).
log="$(mktemp)"
python3 -u -m http.server --protocol HTTP/1.1 --bind 127.0.0.1 --directory "$album" "$port" >"$log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 50); do
    port="$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$log" | head -n 1)"
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "album-audit.sh: the web server did not start: $(cat "$log")" >&2; exit 1; }
url="http://127.0.0.1:$port/index.html"

# Headless, as root, and none of the browser's own connections (the machine may have no
# network): the flags every browser run of the project uses.
flags="--headless=new --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking"
flags="$flags --disable-component-update --disable-sync"
reports=()
for run in $(seq "$runs"); do
    report="$scratch/report-$run.json"
    "$lighthouse" "$url" --quiet --chrome-flags="$flags" --form-factor=mobile \
        --only-categories=performance,accessibility,best-practices --output=json --output-path="$report"
    reports+=("$report")
done

echo "Lighthouse $lighthouse_version, mobile profile, $url ($(find "$album" -name '*.jpg' -path '*web*' | wc -l) photos)"
node - "${reports[@]}" <<'EOF'
const fs = require('fs');
const rows = process.argv.slice(2).map((file) => {
    const report = JSON.parse(fs.readFileSync(file, 'utf8'));
    const score = (id) => Math.round(report.categories[id].score * 100);
    const audit = (id) => report.audits[id].numericValue;
    const failed = Object.values(report.audits)
        .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode === 'binary').map((a) => a.id);
    return [score('performance'), score('accessibility'), score('best-practices'),
        audit('cumulative-layout-shift'), audit('largest-contentful-paint'), audit('total-blocking-time'), failed];
});
const median = (i) => rows.map((r) => r[i]).sort((a, b) => a - b)[Math.floor(rows.length / 2)];
const line = (label, r) => console.log(`${label.padEnd(8)} ${String(r[0]).padStart(11)} ${String(r[1]).padStart(13)}`
    + ` ${String(r[2]).padStart(14)} ${r[3].toFixed(3).padStart(6)} ${Math.round(r[4]).toString().padStart(7)}`
    + ` ${Math.round(r[5]).toString().padStart(7)}`);
console.log('run      Performance Accessibility Best Practices    CLS  LCP ms  TBT ms');
rows.forEach((r, i) => line(`${i + 1}`, r));
line('median', [0, 1, 2, 3, 4, 5].map(median));
const failed = [...new Set(rows.flatMap((r) => r[6]))];
if (failed.length)
    console.log(`audits not passed: ${failed.join(', ')}`);
EOF
