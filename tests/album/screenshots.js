// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of a web album as visitors see it, for the README:
//   node screenshots.js ALBUM OUTDIR
// Saves OUTDIR/album-phone.png (375 x 667, a phone, touch) and OUTDIR/album-desktop.png
// (1024 x 640), each the first screen of the page, in Debian's Chromium.
'use strict';

const path = require('path');
const { pathToFileURL } = require('url');
const { chromium } = require('playwright-core');

async function main() {
    const pageUrl = pathToFileURL(path.resolve(process.argv[2] || '')).href + '/index.html';
    const out = path.resolve(process.argv[3] || '.');
    const browser = await chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        chromiumSandbox: false,
        args: ['--disable-gpu', '--no-first-run', '--disable-background-networking', '--hide-scrollbars'],
    });
    try {
        for (const [name, options] of [
            ['album-phone.png', { viewport: { width: 375, height: 667 }, isMobile: true, hasTouch: true }],
            ['album-desktop.png', { viewport: { width: 1024, height: 640 } }],
        ]) {
            const context = await browser.newContext(options);
            const page = await context.newPage();
            await page.goto(pageUrl, { waitUntil: 'load' });
            // Every thumbnail on the first screen has loaded.
            await page.waitForFunction(() => [...document.images].every((image) =>
                image.getBoundingClientRect().top >= innerHeight || (image.complete && image.naturalWidth > 0)));
            await page.screenshot({ path: path.join(out, name) });
            console.log(`saved ${path.join(out, name)}`);
            await context.close();
        }
    } finally {
        await browser.close();
    }
}

main().catch((error) => {
    console.error(`screenshots: ${error.stack || error}`);
    process.exit(1);
});
