// SPDX-License-Identifier: GPL-3.0-or-later
// The web album's page in Debian's Chromium, as its visitors use it:
//   node album_check.js ALBUM
// ALBUM is an album folder (index.html and its files), opened from file://. Prints every
// failed check and exits 1 when there is one. Steps:
//   1. a desktop window: the page loads with no console error and no request outside
//      the album folder, and axe-core finds no violation; a click opens the viewer on
//      the photo (with its neighbours preloaded, its caption and "download original"
//      link); the arrow keys step; Tab stays inside; axe-core finds no violation in the
//      open viewer; Escape closes it and the focus is back on the photo's thumbnail;
//      Enter opens it and Back closes it;
//   2. a phone (375 x 667, touch): no horizontal scroll, every thumbnail within the width
//      and loaded (its 2x picture) once scrolled to; the viewer fits the width, and a
//      swipe steps;
//   3. scripts off: every thumbnail is a link to a picture file of the album, and
//      following it opens that picture.
'use strict';

const fs = require('fs');
const path = require('path');
const { pathToFileURL, fileURLToPath } = require('url');
const { chromium } = require('playwright-core');

const albumDir = path.resolve(process.argv[2] || '');
const albumUrl = pathToFileURL(albumDir + path.sep).href;
const pageUrl = albumUrl + 'index.html';
const axePath = require.resolve('axe-core/axe.min.js');
const failures = [];

function check(condition, message) {
    if (!condition)
        failures.push(message);
    return condition;
}

// The file a reference of the page names, when it is one of the album's own.
function albumFile(href) {
    if (!href.startsWith(albumUrl))
        return null;
    const file = fileURLToPath(href);
    return fs.existsSync(file) && fs.statSync(file).isFile() ? file : null;
}

// A page of a new browser context, with every console error, script error, failed
// request and request outside the album recorded as a failure. Returns the page, the
// addresses it requested and its context, once it has loaded the album.
async function openAlbum(browser, options, where) {
    const context = await browser.newContext(options);
    const page = await context.newPage();
    page.setDefaultTimeout(10000);
    const requested = [];
    page.on('console', (message) => {
        if (message.type() === 'error')
            failures.push(`${where}: console error: ${message.text()}`);
    });
    page.on('pageerror', (error) => failures.push(`${where}: script error: ${error.message}`));
    page.on('requestfailed', (request) => failures.push(`${where}: request failed: ${request.url()}`));
    page.on('request', (request) => {
        const url = request.url();
        requested.push(url);
        if (!url.startsWith(albumUrl) && !url.startsWith('data:'))
            failures.push(`${where}: request outside the album folder: ${url}`);
    });
    await page.goto(pageUrl, { waitUntil: 'load' });
    return { page, requested, context };
}

async function axeViolations(page, where) {
    await page.addScriptTag({ path: axePath });
    // axe-core would fetch the style sheets anew to read them, which file:// forbids; the
    // one rule that needs them looks for a lock to one orientation.
    const result = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'], preload: false }));
    for (const violation of result.violations) {
        const targets = violation.nodes.map((node) => node.target.join(' ')).join(', ');
        failures.push(`${where}: axe: ${violation.id} (${violation.help}) at ${targets}`);
    }
}

// What the open viewer shows.
function viewerState(page) {
    return page.evaluate(() => {
        const viewer = document.getElementById('viewer');
        const image = viewer.querySelector('.viewer-photo img');
        const original = document.getElementById('viewer-original');
        return {
            open: viewer.open,
            src: image ? image.src : '',
            loaded: Boolean(image && image.complete && image.naturalWidth > 0),
            naturalSize: image ? [image.naturalWidth, image.naturalHeight] : [],
            title: document.getElementById('viewer-title').textContent,
            caption: document.getElementById('viewer-caption').textContent,
            original: original.hidden ? '' : original.href,
            focusInside: viewer.contains(document.activeElement),
            focusedLink: document.activeElement.closest('.album a') ? document.activeElement.href : '',
        };
    });
}

// The thumbnails as the page has them: link, picture, alt, caption, web size.
function thumbnails(page) {
    return page.$$eval('.album li', (items) =>
        items.map((item) => {
            const link = item.querySelector('a');
            const image = link ? link.querySelector('img') : null;
            const caption = item.querySelector('p');
            return {
                href: link ? link.href : '',
                original: link && link.dataset.original ? new URL(link.dataset.original, document.baseURI).href : '',
                size: link ? [Number(link.dataset.width), Number(link.dataset.height)] : [],
                src: image ? image.src : '',
                alt: image ? image.alt : '',
                caption: caption ? caption.textContent : '',
            };
        }));
}

async function desktop(browser) {
    const where = 'desktop';
    const { page, requested, context } = await openAlbum(browser, { viewport: { width: 1280, height: 800 } }, where);
    const thumbs = await thumbnails(page);
    if (thumbs.length < 3)
        throw new Error(`the album needs 3 thumbnails or more, has ${thumbs.length}`);
    await axeViolations(page, `${where} page`);

    // A click opens the viewer on that photo; its neighbours are fetched ahead.
    const historyLength = await page.evaluate(() => history.length);
    await page.click('.album li:nth-child(1) a');
    await page.waitForFunction(() => {
        const image = document.querySelector('#viewer[open] .viewer-photo img');
        return image && image.complete && image.naturalWidth > 0;
    });
    let state = await viewerState(page);
    check(state.src === thumbs[0].href, `${where}: the click opened ${state.src}, not ${thumbs[0].href}`);
    check(state.naturalSize.join('x') === thumbs[0].size.join('x'),
        `${where}: the web-size photo is ${state.naturalSize.join('x')}, the page says ${thumbs[0].size.join('x')}`);
    check(state.title === thumbs[0].alt, `${where}: the viewer's title is "${state.title}", not "${thumbs[0].alt}"`);
    check(state.caption === thumbs[0].caption, `${where}: the viewer's caption is "${state.caption}"`);
    check(state.original === thumbs[0].original && (!state.original || albumFile(state.original)),
        `${where}: the viewer's original link is "${state.original}", not "${thumbs[0].original}"`);
    check(state.focusInside, `${where}: the focus is not in the open viewer`);
    check(await page.evaluate(() => history.length) === historyLength + 1, `${where}: opening added no history entry`);
    await page.waitForTimeout(200);
    for (const neighbour of [thumbs[1], thumbs[thumbs.length - 1]])
        check(requested.includes(neighbour.href), `${where}: the neighbour ${neighbour.href} was not preloaded`);

    // The arrow keys step, round the ends.
    for (const [key, index] of [['ArrowRight', 1], ['ArrowRight', 2], ['ArrowLeft', 1], ['ArrowLeft', 0],
        ['ArrowLeft', thumbs.length - 1], ['ArrowRight', 0], ['ArrowRight', 1]]) {
        await page.keyboard.press(key);
        state = await viewerState(page);
        check(state.src === thumbs[index].href, `${where}: ${key} shows ${state.src}, not photo ${index + 1}`);
    }

    // Tab and Shift+Tab go round inside the open viewer.
    for (const key of ['Tab', 'Tab', 'Tab', 'Tab', 'Tab', 'Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Shift+Tab']) {
        await page.keyboard.press(key);
        check((await viewerState(page)).focusInside, `${where}: ${key} took the focus out of the open viewer`);
    }
    await axeViolations(page, `${where} viewer`);

    // Escape closes it; the focus is on the thumbnail of the photo last shown, and the
    // viewer's history entry is gone.
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => !document.getElementById('viewer').open);
    await page.waitForTimeout(100);
    state = await viewerState(page);
    check(state.focusedLink === thumbs[1].href, `${where}: after Escape the focus is on "${state.focusedLink}"`);
    check(await page.evaluate(() => history.state === null), `${where}: the viewer's history entry stayed`);

    // Enter on a thumbnail opens it; Back closes it.
    await page.focus('.album li:nth-child(3) a');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('viewer').open);
    state = await viewerState(page);
    check(state.src === thumbs[2].href, `${where}: Enter opened ${state.src}, not ${thumbs[2].href}`);
    await page.evaluate(() => history.back());
    await page.waitForFunction(() => !document.getElementById('viewer').open);
    state = await viewerState(page);
    check(state.focusedLink === thumbs[2].href, `${where}: after Back the focus is on "${state.focusedLink}"`);
    check(page.url() === pageUrl, `${where}: Back left the page for ${page.url()}`);
    await context.close();
}

async function phone(browser) {
    const where = 'phone';
    const { page, context } = await openAlbum(browser,
        { viewport: { width: 375, height: 667 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true }, where);
    const width = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
    check(width[0] <= width[1], `${where}: the page scrolls sideways (${width[0]} px wide in ${width[1]})`);

    // Scrolled to, every thumbnail is within the width and shows its 2x picture.
    const count = await page.locator('.album img').count();
    for (let i = 0; i < count; ++i) {
        const image = page.locator('.album img').nth(i);
        await image.scrollIntoViewIfNeeded();
        await image.evaluate((element) => element.decode().catch(() => {}));
        const shown = await image.evaluate((element) => {
            const box = element.getBoundingClientRect();
            const srcset = element.getAttribute('srcset'); // none on a picture too small for two sizes
            const dense = srcset ? srcset.split(',').pop().trim().split(' ')[0] : element.getAttribute('src');
            return {
                inside: box.left >= 0 && box.right <= document.documentElement.clientWidth && box.width > 0,
                visible: box.bottom > 0 && box.top < window.innerHeight,
                loaded: element.complete && element.naturalWidth > 0,
                dense: element.currentSrc === new URL(dense, document.baseURI).href,
            };
        });
        check(shown.inside && shown.visible, `${where}: thumbnail ${i + 1} is not within the screen when scrolled to`);
        check(shown.loaded, `${where}: thumbnail ${i + 1} did not load when scrolled to`);
        check(shown.dense, `${where}: thumbnail ${i + 1} does not show its 2x picture on a 2x screen`);
    }

    // A tap opens the viewer; a swipe to the left shows the next photo. Every photo's
    // title, however long, fits the width.
    const thumbs = await thumbnails(page);
    await page.locator('.album a').first().scrollIntoViewIfNeeded();
    await page.tap('.album li:nth-child(1) a');
    await page.waitForFunction(() => document.getElementById('viewer').open);
    for (let i = 1; i <= thumbs.length; ++i) {
        const shown = await page.evaluate(() => {
            const viewer = document.getElementById('viewer');
            const touch = (x) => new Touch({ identifier: 1, target: viewer, clientX: x, clientY: 300 });
            const swipe = (type, x) => viewer.dispatchEvent(new TouchEvent(type,
                { touches: type === 'touchstart' ? [touch(x)] : [], changedTouches: [touch(x)], bubbles: true }));
            const width = viewer.scrollWidth <= viewer.clientWidth ? '' : `${viewer.scrollWidth} px wide in ${viewer.clientWidth}`;
            swipe('touchstart', 300);
            swipe('touchend', 100);
            return { width, src: viewer.querySelector('.viewer-photo img').src };
        });
        check(!shown.width, `${where}: the viewer on photo ${i} is ${shown.width}`);
        const next = thumbs[i % thumbs.length].href;
        check(shown.src === next, `${where}: the swipe shows ${shown.src}, not ${next}`);
    }
    await context.close();
}

async function withoutScripts(browser) {
    const where = 'scripts off';
    const { page, context } = await openAlbum(browser, { javaScriptEnabled: false, viewport: { width: 1280, height: 800 } }, where);
    const thumbs = await thumbnails(page);
    check(thumbs.length > 0, `${where}: no thumbnails`);
    for (const [i, thumb] of thumbs.entries()) {
        check(albumFile(thumb.href) && /\.jpe?g$/i.test(thumb.href),
            `${where}: thumbnail ${i + 1} links "${thumb.href}", not a photo of the album`);
        check(albumFile(thumb.src), `${where}: thumbnail ${i + 1} shows "${thumb.src}", not a file of the album`);
    }
    check(!(await page.isVisible('#viewer')), `${where}: the viewer shows`);
    const last = thumbs[thumbs.length - 1];
    await page.click(`.album li:nth-child(${thumbs.length}) a`);
    await page.waitForURL(last.href);
    check(page.url() === last.href, `${where}: following the last thumbnail opened ${page.url()}`);
    await context.close();
}

async function main() {
    if (!fs.existsSync(path.join(albumDir, 'index.html'))) {
        console.error(`album_check: no index.html in ${albumDir}`);
        process.exit(2);
    }
    const browser = await chromium.launch({
        timeout: 60000,
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        // As root, headless, on a machine without network: no sandbox, no GPU, and none
        // of the browser's own connections.
        chromiumSandbox: false,
        args: ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync'],
    });
    try {
        await desktop(browser);
        await phone(browser);
        await withoutScripts(browser);
    } catch (error) {
        failures.push(`stopped: ${error.message}`);
    } finally {
        await browser.close();
    }
    for (const failure of failures)
        console.error(failure);
    console.log(failures.length === 0 ? `album_check: all checks passed on ${pageUrl}`
        : `album_check: ${failures.length} checks failed`);
    process.exit(failures.length === 0 ? 0 : 1);
}

main().catch((error) => {
    console.error(`album_check: ${error.stack || error}`);
    process.exit(1);
});
