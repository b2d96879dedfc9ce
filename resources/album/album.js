/* The web album's photo viewer. A plain classic script, so that the album works when
 * opened from the disk (file://) as well as from a web host; it asks for nothing
 * outside the album folder.
 *
 * Without it every thumbnail is a link to its web-size photo. With it a click (or
 * Enter) on a thumbnail shows that photo in the page's dialog: the arrow keys, the
 * buttons and a swipe step to the neighbours (preloaded), Escape or Back closes it, and
 * the keyboard focus goes back to the thumbnail of the photo last shown. The texts of
 * the dialog are in the page, in the page's language. */
(function () {
    'use strict';

    var list = document.querySelector('.album');
    var viewer = document.getElementById('viewer');
    if (!list || !viewer || typeof viewer.showModal !== 'function' || !window.history.pushState)
        return; // an old browser keeps the plain links

    var links = Array.prototype.slice.call(list.querySelectorAll('a[data-width]'));
    var title = document.getElementById('viewer-title');
    var position = document.getElementById('viewer-position');
    var photo = viewer.querySelector('.viewer-photo');
    var caption = document.getElementById('viewer-caption');
    var original = document.getElementById('viewer-original');
    var steps = viewer.querySelectorAll('.viewer-step');
    var current = -1;
    var preloads = [];
    var touchStart = null;

    // The history entry the viewer adds while it is open, so that Back closes it.
    function stateIndex(state) {
        return state && typeof state.albumPhoto === 'number' ? state.albumPhoto : -1;
    }

    function captionOf(link) {
        var text = link.parentNode.querySelector('p');
        return text ? text.textContent : '';
    }

    function altOf(link) {
        var thumbnail = link.querySelector('img');
        return thumbnail ? thumbnail.alt : '';
    }

    function preload(index) {
        var image = new Image();
        image.src = links[(index + links.length) % links.length].getAttribute('href');
        preloads.push(image);
        if (preloads.length > 4)
            preloads.shift();
    }

    function show(index) {
        current = (index + links.length) % links.length;
        var link = links[current];
        var image = document.createElement('img');
        image.src = link.getAttribute('href');
        image.width = Number(link.getAttribute('data-width'));
        image.height = Number(link.getAttribute('data-height'));
        image.alt = altOf(link);
        photo.textContent = '';
        photo.appendChild(image);

        title.textContent = image.alt;
        position.textContent = viewer.getAttribute('data-position')
            .replace('%1', String(current + 1)).replace('%2', String(links.length));
        caption.textContent = captionOf(link);
        caption.hidden = !caption.textContent;
        var originalHref = link.getAttribute('data-original');
        original.hidden = !originalHref;
        if (originalHref) {
            original.setAttribute('href', originalHref);
            original.setAttribute('download', '');
        } else {
            original.removeAttribute('href');
            original.removeAttribute('download');
        }

        if (links.length > 1) {
            preload(current + 1);
            preload(current - 1);
        }
    }

    function open(index, addHistoryEntry) {
        show(index);
        if (addHistoryEntry)
            window.history.pushState({ albumPhoto: current }, '');
        if (!viewer.open)
            viewer.showModal();
    }

    function step(by) {
        show(current + by);
        window.history.replaceState({ albumPhoto: current }, '');
    }

    function close() {
        if (viewer.open)
            viewer.close();
    }

    // The elements Tab moves between while the viewer is open.
    function focusable() {
        return Array.prototype.filter.call(viewer.querySelectorAll('button, a[href]'), function (element) {
            return !element.hidden && element.getClientRects().length > 0;
        });
    }

    for (var i = 0; i < steps.length; ++i)
        steps[i].hidden = links.length < 2;

    list.addEventListener('click', function (event) {
        var link = event.target.closest('a[data-width]');
        var index = links.indexOf(link);
        // Clicks meant for a new tab or window, or a download, stay the browser's.
        if (index < 0 || event.button !== 0 || event.ctrlKey || event.metaKey || event.shiftKey || event.altKey)
            return;
        event.preventDefault();
        open(index, true);
    });

    viewer.addEventListener('click', function (event) {
        var action = event.target.closest('[data-action]');
        if (action) {
            var name = action.getAttribute('data-action');
            if (name === 'close')
                close();
            else
                step(name === 'next' ? 1 : -1);
        }
    });

    viewer.addEventListener('keydown', function (event) {
        if (event.altKey || event.ctrlKey || event.metaKey)
            return;
        if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
            event.preventDefault();
            if (links.length > 1)
                step(event.key === 'ArrowRight' ? 1 : -1);
        } else if (event.key === 'Tab') {
            // The page under the viewer is inert; Tab goes round within the viewer.
            var elements = focusable();
            var first = elements[0];
            var last = elements[elements.length - 1];
            if (event.shiftKey && (document.activeElement === first || !viewer.contains(document.activeElement))) {
                event.preventDefault();
                last.focus();
            } else if (!event.shiftKey && document.activeElement === last) {
                event.preventDefault();
                first.focus();
            }
        }
    });

    viewer.addEventListener('touchstart', function (event) {
        touchStart = event.touches.length === 1 ? { x: event.touches[0].clientX, y: event.touches[0].clientY } : null;
    }, { passive: true });

    viewer.addEventListener('touchend', function (event) {
        if (!touchStart || event.changedTouches.length !== 1 || links.length < 2)
            return;
        var dx = event.changedTouches[0].clientX - touchStart.x;
        var dy = event.changedTouches[0].clientY - touchStart.y;
        touchStart = null;
        if (Math.abs(dx) > 40 && Math.abs(dx) > 1.5 * Math.abs(dy))
            step(dx < 0 ? 1 : -1);
    });

    // However it was closed (Escape, the button, Back): the focus returns to the
    // thumbnail, and the viewer's history entry goes.
    viewer.addEventListener('close', function () {
        photo.textContent = '';
        if (current >= 0)
            links[current].focus();
        if (stateIndex(window.history.state) >= 0)
            window.history.back();
    });

    // Back closes the viewer; Forward, or a reload while it was open, opens it again.
    function followHistory() {
        var index = stateIndex(window.history.state);
        if (index >= 0 && index < links.length)
            open(index, false);
        else
            close();
    }

    window.addEventListener('popstate', followHistory);
    if (stateIndex(window.history.state) >= 0)
        followHistory();
})();
