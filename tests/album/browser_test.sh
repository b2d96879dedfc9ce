#!/usr/bin/env bash
# The web album's page in a real browser: makes an album of the test pictures (some
# under names that are hostile in a URL or in HTML) and runs album_check.js on it in
# Debian's Chromium. Fails when node, Chromium, the npm packages (scripts/install-deps
# --test installs all three) or the test pictures are missing.
#   browser_test.sh QUORVEL_BATCH TESTDATA
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
batch="$1"
testdata="$2"

command -v node >/dev/null || { echo "browser_test: node is not installed (scripts/install-deps --test)" >&2; exit 1; }
[ -x "${CHROMIUM:=/usr/bin/chromium}" ] || { echo "browser_test: no Chromium at $CHROMIUM (scripts/install-deps --test)" >&2; exit 1; }
export CHROMIUM
for package in playwright-core axe-core; do
    [ -d "$here/node_modules/$package" ] \
        || { echo "browser_test: $package is not installed in $here (scripts/install-deps --test runs npm ci)" >&2; exit 1; }
done
[ -d "$testdata/cameras" ] || { echo "browser_test: no test pictures at $testdata" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/source"
cp "$testdata"/cameras/*.jpg "$work/source/"
cp "$testdata/cameras/nikon-e950.jpg" "$work/source/javascript:alert(1) a#b?c&d'e\"f%20.jpg"
cp "$testdata/names/olympus-μ-digital-800.jpg" "$work/source/<b>μ, 1x.jpg"

# The album, as a user makes it from the command line.
"$batch" --album --originals --web-size 1024 --thumb-height 160 "$work/source" "$work/album"

node "$here/album_check.js" "$work/album"
