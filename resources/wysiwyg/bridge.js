// SPDX-License-Identifier: GPL-3.0-or-later
// The page side of the editing component. It runs in an isolated script world, so
// the page's own scripts (which never run while editing) cannot see or call it.
// It turns the document into an editable one, carries out the editing commands by
// key, and pushes a status snapshot to the host after every selection change and
// edit. Everything it adds to the page for display is stripped when serialising.
(function () {
    'use strict';
    if (window.quorvelBridge)
        return;

    const doc = document;
    const GRID = 8;
    const SELECTED = 'data-quorvel-selected';
    const CONTROL_TAGS = new Set(['IMG', 'BUTTON', 'INPUT', 'SELECT', 'TEXTAREA', 'HR', 'OBJECT', 'EMBED',
        'IFRAME', 'VIDEO', 'AUDIO', 'CANVAS']);
    const BLOCK_TAGS = new Set(['P', 'DIV', 'H1', 'H2', 'H3', 'H4', 'H5', 'H6', 'PRE', 'ADDRESS', 'BLOCKQUOTE',
        'TABLE', 'UL', 'OL', 'DL', 'DT', 'DD', 'DIR', 'MENU', 'CENTER', 'FORM', 'SECTION', 'ARTICLE', 'ASIDE',
        'HEADER', 'FOOTER', 'NAV', 'FIGURE']);
    const NATIVE = {
        bold: 'bold', italic: 'italic', underline: 'underline', orderedList: 'insertOrderedList',
        unorderedList: 'insertUnorderedList', indent: 'indent', outdent: 'outdent', justifyLeft: 'justifyLeft',
        justifyCenter: 'justifyCenter', justifyRight: 'justifyRight', undo: 'undo', redo: 'redo',
        selectAll: 'selectAll', delete: 'delete', removeFormat: 'removeFormat', unlink: 'unlink',
        setForeColor: 'foreColor', setBackColor: 'hiliteColor', setFontName: 'fontName',
        setFontSize: 'fontSize', hyperlink: 'createLink', image: 'insertImage'
    };
    const LATCHING = new Set(['bold', 'italic', 'underline', 'orderedList', 'unorderedList', 'justifyLeft',
        'justifyCenter', 'justifyRight']);

    let host = null;
    let showBorders = false;
    let showDetails = false;
    let snapToGrid = false;
    const locked = new WeakSet();
    let selectedControl = null;
    let drag = null;
    let pushPending = false;

    const bordersSheet = new CSSStyleSheet();
    bordersSheet.replaceSync('table, td, th, caption { outline: 1px dotted #808080; outline-offset: -1px; }'
        + ' form, div { outline: 1px dashed #a0a0a0; }'
        + ' a[name]:not([href]) { border-bottom: 1px dotted #808080; }');
    const detailsSheet = new CSSStyleSheet();
    detailsSheet.replaceSync(
        'p::after, h1::after, h2::after, h3::after, h4::after, h5::after, h6::after, pre::after, address::after'
        + ' { content: "\\00b6"; color: #a0a0a0; font-weight: normal; font-style: normal; }'
        + ' a[name]:not([href])::before { content: "\\2693"; color: #808080; }'
        + ' td:empty::before, th:empty::before { content: "\\00b7"; color: #a0a0a0; }');
    const selectionSheet = new CSSStyleSheet();
    selectionSheet.replaceSync('[' + SELECTED + '] { outline: 2px solid #3070c0 !important; }');

    function applySheets() {
        const sheets = [selectionSheet];
        if (showBorders)
            sheets.push(bordersSheet);
        if (showDetails)
            sheets.push(detailsSheet);
        doc.adoptedStyleSheets = sheets;
    }

    function body() {
        return doc.body;
    }

    function currentRange() {
        const sel = doc.getSelection();
        if (!sel || sel.rangeCount === 0)
            return null;
        const range = sel.getRangeAt(0);
        if (!body() || !body().contains(range.commonAncestorContainer))
            return null;
        return range;
    }

    function selectRange(range) {
        const sel = doc.getSelection();
        sel.removeAllRanges();
        sel.addRange(range);
    }

    function isAbsolute(el) {
        return !!el && el.nodeType === 1 && el.style && el.style.position === 'absolute';
    }

    // The element a whole-element selection wraps: a picture, form control or
    // positioned element selected as one object.
    function controlElement() {
        const range = currentRange();
        if (!range || range.collapsed || range.startContainer !== range.endContainer)
            return null;
        if (range.endOffset !== range.startOffset + 1)
            return null;
        const node = range.startContainer.childNodes[range.startOffset];
        if (!node || node.nodeType !== 1)
            return null;
        if (CONTROL_TAGS.has(node.tagName) || isAbsolute(node))
            return node;
        return null;
    }

    function selectionType() {
        const range = currentRange();
        if (!range)
            return 'None';
        if (controlElement())
            return 'Control';
        return range.collapsed ? 'None' : 'Text';
    }

    function anchorElement() {
        const range = currentRange();
        if (!range)
            return null;
        let node = range.startContainer;
        if (node.nodeType === 1 && !range.collapsed && node.childNodes[range.startOffset])
            node = node.childNodes[range.startOffset];
        return node.nodeType === 1 ? node : node.parentElement;
    }

    function closest(node, test) {
        for (let el = node; el && el !== body() && el !== doc.documentElement; el = el.parentElement) {
            if (el.nodeType === 1 && test(el))
                return el;
        }
        return null;
    }

    function markSelected(el) {
        if (selectedControl === el)
            return;
        if (selectedControl)
            selectedControl.removeAttribute(SELECTED);
        selectedControl = el;
        if (el)
            el.setAttribute(SELECTED, '');
    }

    function selectElement(el) {
        const range = doc.createRange();
        range.selectNode(el);
        selectRange(range);
        markSelected(el);
    }

    // The element the positioning commands act on: the selected object, else the
    // positioned element around the caret, else the block around the caret.
    function positionTarget() {
        const control = controlElement();
        if (control)
            return control;
        const at = anchorElement();
        return closest(at, isAbsolute) || closest(at, function (el) {
            return BLOCK_TAGS.has(el.tagName);
        });
    }

    function zIndexOf(el) {
        return parseInt(el.style.zIndex, 10) || 0;
    }

    function positionedElements() {
        return Array.from(body().querySelectorAll('*')).filter(isAbsolute);
    }

    function currentCell() {
        return closest(anchorElement(), function (el) {
            return el.tagName === 'TD' || el.tagName === 'TH';
        });
    }

    function cellOf(node) {
        const el = node.nodeType === 1 ? node : node.parentElement;
        return closest(el, function (e) {
            return e.tagName === 'TD' || e.tagName === 'TH';
        });
    }

    // The table as a grid: grid[r][c] is the cell covering row r, column c.
    function tableGrid(table) {
        const rows = Array.from(table.rows);
        const grid = rows.map(function () {
            return [];
        });
        rows.forEach(function (row, r) {
            let c = 0;
            Array.from(row.cells).forEach(function (cell) {
                while (grid[r][c])
                    c++;
                for (let dr = 0; dr < Math.max(cell.rowSpan, 1) && r + dr < rows.length; dr++) {
                    for (let dc = 0; dc < Math.max(cell.colSpan, 1); dc++)
                        grid[r + dr][c + dc] = cell;
                }
                c += Math.max(cell.colSpan, 1);
            });
        });
        return { rows: rows, grid: grid, width: Math.max.apply(null, grid.map(function (g) {
            return g.length;
        }).concat([0])) };
    }

    function cellPosition(info, cell) {
        for (let r = 0; r < info.grid.length; r++) {
            const c = info.grid[r].indexOf(cell);
            if (c >= 0)
                return { row: r, column: c };
        }
        return null;
    }

    function newCellLike(cell) {
        const fresh = doc.createElement(cell ? cell.tagName.toLowerCase() : 'td');
        if (cell) {
            for (const attr of Array.from(cell.attributes)) {
                if (!['rowspan', 'colspan', 'id', SELECTED].includes(attr.name))
                    fresh.setAttribute(attr.name, attr.value);
            }
        }
        fresh.appendChild(doc.createElement('br'));
        return fresh;
    }

    function caretInto(el) {
        const range = doc.createRange();
        range.selectNodeContents(el);
        range.collapse(true);
        selectRange(range);
    }

    // Cells the selection touches, in document order; the caret's cell when collapsed.
    function selectedCells() {
        const range = currentRange();
        const cell = currentCell();
        if (!range || !cell)
            return [];
        const table = cell.closest('table');
        const endCell = cellOf(range.endContainer) || cell;
        const startCell = cellOf(range.startContainer) || cell;
        const cells = Array.from(table.querySelectorAll('td, th')).filter(function (c) {
            return c.closest('table') === table;
        });
        const from = cells.indexOf(startCell);
        const to = cells.indexOf(endCell);
        if (from < 0 || to < 0)
            return [cell];
        return cells.slice(Math.min(from, to), Math.max(from, to) + 1);
    }

    // Table commands work on a copy of the table, which then replaces the table
    // through the engine's insertHTML, so that each is one step of Undo. They name the
    // cell for the caret afterwards in tableFocus.
    let tableFocus = null;

    function focusCell(cell) {
        tableFocus = cell;
    }

    function ownCells(table) {
        return Array.from(table.querySelectorAll('td, th')).filter(function (c) {
            return c.closest('table') === table;
        });
    }

    const tableCommands = {
        insertRow: function (cell) {
            const table = cell.closest('table');
            const info = tableGrid(table);
            const pos = cellPosition(info, cell);
            const r = pos.row + Math.max(cell.rowSpan, 1) - 1;
            const row = info.rows[r];
            const fresh = row.cloneNode(false);
            const seen = new Set();
            for (let c = 0; c < info.width; c++) {
                const above = info.grid[r][c];
                if (!above || seen.has(above))
                    continue;
                seen.add(above);
                if (info.grid[r + 1] && info.grid[r + 1][c] === above) {
                    above.rowSpan = above.rowSpan + 1;
                } else {
                    const added = newCellLike(above);
                    if (above.colSpan > 1)
                        added.colSpan = above.colSpan;
                    fresh.appendChild(added);
                }
            }
            row.after(fresh);
            if (fresh.cells.length)
                focusCell(fresh.cells[0]);
        },
        insertColumn: function (cell) {
            const table = cell.closest('table');
            const info = tableGrid(table);
            const pos = cellPosition(info, cell);
            const last = pos.column + Math.max(cell.colSpan, 1) - 1;
            const widened = new Set();
            info.rows.forEach(function (row, r) {
                const here = info.grid[r][last];
                if (here && info.grid[r][last + 1] === here) {
                    if (!widened.has(here)) {
                        here.colSpan = here.colSpan + 1;
                        widened.add(here);
                    }
                    return;
                }
                if (here && here.parentElement !== row)
                    return; // covered by a cell spanning down from above
                const added = newCellLike(here || cell);
                const next = Array.from(row.cells).find(function (c) {
                    return info.grid[r].indexOf(c) > last;
                });
                row.insertBefore(added, next || null);
            });
        },
        insertCell: function (cell) {
            const added = newCellLike(cell);
            cell.after(added);
            focusCell(added);
        },
        deleteRows: function (cell, cells) {
            const table = cell.closest('table');
            const info = tableGrid(table);
            const rows = new Set(cells.map(function (c) {
                return c.parentElement;
            }));
            rows.forEach(function (row) {
                const r = info.rows.indexOf(row);
                const seen = new Set();
                info.grid[r].forEach(function (c, column) {
                    if (seen.has(c))
                        return;
                    seen.add(c);
                    if (c.parentElement !== row) {
                        c.rowSpan = Math.max(c.rowSpan - 1, 1);
                    } else if (c.rowSpan > 1 && info.rows[r + 1] && !rows.has(info.rows[r + 1])) {
                        // The part below the deleted row stays, moved into the next row.
                        const moved = c.cloneNode(true);
                        moved.rowSpan = c.rowSpan - 1;
                        const nextRow = info.rows[r + 1];
                        const before = Array.from(nextRow.cells).find(function (n) {
                            return info.grid[r + 1].indexOf(n) > column;
                        });
                        nextRow.insertBefore(moved, before || null);
                    }
                });
            });
            let focus = null;
            rows.forEach(function (row) {
                focus = row.nextElementSibling || row.previousElementSibling || focus;
                row.remove();
            });
            if (focus && focus.parentNode && focus.cells.length)
                focusCell(focus.cells[0]);
        },
        deleteColumns: function (cell, cells) {
            const table = cell.closest('table');
            const info = tableGrid(table);
            const columns = new Set();
            cells.forEach(function (c) {
                const pos = cellPosition(info, c);
                for (let k = 0; k < Math.max(c.colSpan, 1); k++)
                    columns.add(pos.column + k);
            });
            const handled = new Set();
            info.grid.forEach(function (gridRow) {
                gridRow.forEach(function (c, column) {
                    if (!columns.has(column) || handled.has(c))
                        return;
                    handled.add(c);
                    let covered = 0;
                    gridRow.forEach(function (other, k) {
                        if (other === c && columns.has(k))
                            covered++;
                    });
                    if (covered >= Math.max(c.colSpan, 1))
                        c.remove();
                    else
                        c.colSpan = c.colSpan - covered;
                });
            });
            info.rows.forEach(function (row) {
                if (row.cells.length === 0)
                    row.remove();
            });
            focusCell(ownCells(table)[0] || null);
        },
        deleteCells: function (cell, cells) {
            let focus = null;
            cells.forEach(function (c) {
                const row = c.parentElement;
                focus = c.nextElementSibling || c.previousElementSibling || focus;
                c.remove();
                if (row.cells.length === 0)
                    row.remove();
            });
            if (focus && focus.parentNode)
                focusCell(focus);
        },
        mergeCells: function (cell, selected) {
            let cells = selected.filter(function (c) {
                return c.parentElement === cell.parentElement;
            });
            if (cells.length < 2)
                cells = [cell, cell.nextElementSibling].filter(Boolean);
            if (cells.length < 2)
                return;
            const first = cells[0];
            let span = 0;
            cells.forEach(function (c, k) {
                span += Math.max(c.colSpan, 1);
                if (k === 0)
                    return;
                const onlyBreak = c.childNodes.length === 1 && c.firstChild.nodeName === 'BR';
                if (!onlyBreak && c.childNodes.length) {
                    if (first.childNodes.length === 1 && first.firstChild.nodeName === 'BR')
                        first.firstChild.remove();
                    else
                        first.appendChild(doc.createTextNode(' '));
                    while (c.firstChild)
                        first.appendChild(c.firstChild);
                }
                c.remove();
            });
            first.colSpan = span;
            focusCell(first);
        },
        splitCell: function (cell) {
            const table = cell.closest('table');
            const info = tableGrid(table);
            const added = newCellLike(cell);
            if (cell.colSpan > 1) {
                cell.colSpan = cell.colSpan - 1;
            } else {
                // A new column inside this one: the cells covering it in other rows widen.
                const pos = cellPosition(info, cell);
                const widened = new Set([cell]);
                info.grid.forEach(function (gridRow) {
                    const other = gridRow[pos.column];
                    if (other && !widened.has(other)) {
                        other.colSpan = other.colSpan + 1;
                        widened.add(other);
                    }
                });
            }
            if (cell.rowSpan > 1)
                added.rowSpan = cell.rowSpan;
            cell.after(added);
        }
    };

    function runTableCommand(key) {
        const cell = currentCell();
        if (!cell)
            return false;
        const table = cell.closest('table');
        const cells = ownCells(table);
        let selected = selectedCells().map(function (c) {
            return cells.indexOf(c);
        });
        if (selected.indexOf(-1) >= 0 || selected.length === 0)
            selected = [cells.indexOf(cell)];
        const copy = table.cloneNode(true);
        const copyCells = ownCells(copy);
        tableFocus = copyCells[cells.indexOf(cell)];
        tableCommands[key](copyCells[cells.indexOf(cell)], selected.filter(function (i) {
            return i >= 0;
        }).map(function (i) {
            return copyCells[i];
        }));
        const left = ownCells(copy);
        const focusIndex = left.indexOf(tableFocus);
        const range = doc.createRange();
        range.selectNode(table);
        selectRange(range);
        if (left.length === 0) {
            // The last cell went: the table makes way for an empty paragraph.
            doc.execCommand('insertHTML', false, '<p><br></p>');
            return true;
        }
        const MARK = 'data-quorvel-table';
        copy.setAttribute(MARK, '');
        doc.execCommand('insertHTML', false, copy.outerHTML);
        const inserted = doc.querySelector('[' + MARK + ']');
        if (inserted) {
            inserted.removeAttribute(MARK);
            const target = ownCells(inserted)[Math.max(focusIndex, 0)];
            if (target)
                caretInto(target);
        }
        return true;
    }

    function makeAbsolute(el) {
        if (isAbsolute(el)) {
            el.style.removeProperty('position');
            el.style.removeProperty('left');
            el.style.removeProperty('top');
            el.style.removeProperty('z-index');
            if (!el.getAttribute('style'))
                el.removeAttribute('style');
            locked.delete(el);
            return;
        }
        const rect = el.getBoundingClientRect();
        const parent = el.offsetParent && el.offsetParent !== body() ? el.offsetParent.getBoundingClientRect()
                                                                     : { left: -window.scrollX, top: -window.scrollY };
        let left = Math.round(rect.left - parent.left);
        let top = Math.round(rect.top - parent.top);
        if (snapToGrid) {
            left = Math.round(left / GRID) * GRID;
            top = Math.round(top / GRID) * GRID;
        }
        if (BLOCK_TAGS.has(el.tagName) && !el.style.width)
            el.style.width = Math.round(rect.width) + 'px';
        el.style.position = 'absolute';
        el.style.left = left + 'px';
        el.style.top = top + 'px';
        el.style.zIndex = String(Math.max(0, Math.max.apply(null, positionedElements().filter(function (o) {
            return o !== el;
        }).map(zIndexOf).concat([0]))) + 1);
        selectElement(el);
    }

    function setZ(el, z) {
        el.style.zIndex = String(z);
    }

    const positionCommands = {
        bringToFront: function (el) {
            const others = positionedElements().filter(function (o) {
                return o !== el;
            }).map(zIndexOf);
            setZ(el, others.length ? Math.max.apply(null, others) + 1 : Math.max(zIndexOf(el), 1));
        },
        sendToBack: function (el) {
            const others = positionedElements().filter(function (o) {
                return o !== el;
            }).map(zIndexOf);
            setZ(el, others.length ? Math.min.apply(null, others) - 1 : Math.min(zIndexOf(el), 0));
        },
        bringForward: function (el) {
            setZ(el, zIndexOf(el) + 1);
        },
        sendBackward: function (el) {
            setZ(el, zIndexOf(el) - 1);
        },
        bringAboveText: function (el) {
            setZ(el, Math.max(Math.abs(zIndexOf(el)), 1));
        },
        sendBelowText: function (el) {
            setZ(el, -Math.max(Math.abs(zIndexOf(el)), 1));
        },
        lockElement: function (el) {
            if (locked.has(el))
                locked.delete(el);
            else
                locked.add(el);
        }
    };

    function hasDocument() {
        return !!body();
    }

    function inEditableSelection() {
        return !!currentRange();
    }

    function nativeEnabled(name) {
        try {
            return doc.queryCommandEnabled(name);
        } catch (e) {
            return false;
        }
    }

    function nativeState(name) {
        try {
            return doc.queryCommandState(name);
        } catch (e) {
            return false;
        }
    }

    function nativeValue(name) {
        try {
            return doc.queryCommandValue(name);
        } catch (e) {
            return '';
        }
    }

    function status(enabled, latched) {
        return !enabled ? 1 : (latched ? 7 : 3);
    }

    function blockTagAtCaret() {
        const at = anchorElement();
        const block = closest(at, function (el) {
            return BLOCK_TAGS.has(el.tagName) || el.tagName === 'LI' || el.tagName === 'TD'
                || el.tagName === 'TH';
        });
        if (!block)
            return 'body';
        if (block.tagName === 'LI' && block.parentElement)
            return block.parentElement.tagName.toLowerCase();
        return block.tagName.toLowerCase();
    }

    function fontSizeAtCaret() {
        const value = parseInt(nativeValue('fontSize'), 10);
        return isNaN(value) ? 0 : value;
    }

    function snapshot() {
        const statuses = {};
        const ready = hasDocument();
        const hasRange = ready && inEditableSelection();
        const range = hasRange ? currentRange() : null;
        const collapsed = !range || range.collapsed;
        const control = hasRange ? controlElement() : null;
        Object.keys(NATIVE).forEach(function (key) {
            const name = NATIVE[key];
            let enabled = hasRange && nativeEnabled(name);
            if (key === 'undo' || key === 'redo')
                enabled = ready && nativeEnabled(name) && !(key === 'redo' && redoWithheld());
            if (key === 'selectAll')
                enabled = ready;
            if (key === 'hyperlink' || key === 'image')
                enabled = hasRange;
            statuses[key] = status(enabled, LATCHING.has(key) && enabled && nativeState(name));
        });
        statuses.cut = status(hasRange && !collapsed, false);
        statuses.copy = status(hasRange && !collapsed, false);
        statuses.paste = status(hasRange, false);
        statuses.findText = status(ready, false);
        statuses.font = status(hasRange, false);
        statuses.getFontName = status(hasRange, false);
        statuses.getFontSize = status(hasRange, false);
        statuses.getForeColor = status(hasRange, false);
        statuses.getBackColor = status(hasRange, false);
        statuses.getBlockFormat = status(hasRange && !control, false);
        statuses.setBlockFormat = status(hasRange && !control, false);
        statuses.getBlockFormatNames = status(ready, false);
        statuses.insertTable = status(hasRange, false);
        const cell = hasRange ? currentCell() : null;
        ['insertRow', 'insertColumn', 'insertCell', 'deleteRows', 'deleteColumns', 'deleteCells', 'splitCell']
            .forEach(function (key) {
                statuses[key] = status(!!cell, false);
            });
        statuses.mergeCells = status(!!cell && (!!cell.nextElementSibling || selectedCells().filter(function (c) {
            return c.parentElement === cell.parentElement;
        }).length > 1), false);
        const target = hasRange ? positionTarget() : null;
        statuses.makeAbsolute = status(!!target, isAbsolute(target));
        ['bringToFront', 'sendToBack', 'bringForward', 'sendBackward', 'bringAboveText', 'sendBelowText']
            .forEach(function (key) {
                statuses[key] = status(isAbsolute(target), false);
            });
        statuses.lockElement = status(isAbsolute(target), isAbsolute(target) && locked.has(target));
        return {
            statuses: statuses,
            fontName: hasRange ? String(nativeValue('fontName')).replace(/^["']|["']$/g, '') : '',
            fontSize: hasRange ? fontSizeAtCaret() : 0,
            foreColor: hasRange ? String(nativeValue('foreColor')) : '',
            blockTag: hasRange ? blockTagAtCaret() : '',
            selectionType: hasRange ? selectionType() : 'None',
            borders: showBorders,
            details: showDetails,
            snap: snapToGrid
        };
    }

    function pushStatus() {
        if (pushPending)
            return;
        pushPending = true;
        // A microtask, not a timer: timers do not run while the page's scripts are off.
        queueMicrotask(function () {
            pushPending = false;
            if (!controlElement())
                markSelected(null);
            if (host)
                host.statusChanged(JSON.stringify(snapshot()));
        });
    }

    function ensureSelection() {
        if (currentRange())
            return;
        const range = doc.createRange();
        range.selectNodeContents(body());
        range.collapse(false);
        selectRange(range);
    }

    function applyFont(font) {
        if (font.family)
            doc.execCommand('fontName', false, font.family);
        if (font.size)
            doc.execCommand('fontSize', false, String(font.size));
        [['bold', font.bold], ['italic', font.italic], ['underline', font.underline],
            ['strikeThrough', font.strikeOut]].forEach(function (pair) {
            if (pair[1] !== undefined && nativeState(pair[0]) !== !!pair[1])
                doc.execCommand(pair[0], false, null);
        });
    }

    // A node's place under the body, as child indexes, and the node at such a place.
    function pathOf(node) {
        const path = [];
        for (let n = node; n !== body(); n = n.parentNode)
            path.unshift(Array.prototype.indexOf.call(n.parentNode.childNodes, n));
        return path;
    }

    function nodeAt(root, path) {
        return path.reduce(function (node, index) {
            return node.childNodes[index];
        }, root);
    }

    // The markup parsed as the range's context parses it, less what the editor never
    // inserts (the host has taken it out already; this is the browser's own reading).
    function parsedFragment(range, html) {
        const fragment = range.createContextualFragment(html);
        fragment.querySelectorAll('script').forEach(function (el) {
            el.remove();
        });
        fragment.querySelectorAll('*').forEach(function (el) {
            Array.from(el.attributes).forEach(function (attr) {
                if (/^on./i.test(attr.name))
                    el.removeAttribute(attr.name);
            });
        });
        return fragment;
    }

    function insertFragment(range, html) {
        const fragment = parsedFragment(range, html);
        range.deleteContents();
        const last = fragment.lastChild;
        range.insertNode(fragment);
        return last;
    }

    // Inserted markup arrives as written. The engine's insertHTML can be undone, but it
    // rewrites some markup (a lone span loses itself and its id, a block merges into the
    // paragraph, form controls are dropped, a font becomes a styled span). So the
    // result is first worked out on a copy of the body; when the engine's insertion
    // differs from it, that is undone and the markup goes in as written, outside the
    // engine's history (Undo then takes back the steps before it).
    function insertHtml(html) {
        const range = currentRange();
        const copy = body().cloneNode(true);
        const copyRange = doc.createRange();
        copyRange.setStart(nodeAt(copy, pathOf(range.startContainer)), range.startOffset);
        copyRange.setEnd(nodeAt(copy, pathOf(range.endContainer)), range.endOffset);
        insertFragment(copyRange, html);
        const expected = copy.innerHTML;

        const before = body().innerHTML;
        if (doc.execCommand('insertHTML', false, html) && body().innerHTML === expected)
            return true;
        if (body().innerHTML !== before) {
            doc.execCommand('undo');
            // The engine keeps its rewritten insertion to redo: withheld (see below).
            staleRedo = true;
            redoAboveStale = 0;
        }
        const target = currentRange();
        if (!target)
            return false;
        const last = insertFragment(target, html);
        if (last && last.parentNode) {
            const after = doc.createRange();
            after.setStartAfter(last);
            after.collapse(true);
            selectRange(after);
        }
        markSelected(null);
        return true;
    }

    // Redoing the engine's undone insertion would put the rewritten markup in a second
    // time. It is withheld until the engine's history moves past it: a new edit drops
    // the engine's redo list, and every undo puts one more redo above it.
    let staleRedo = false;
    let redoAboveStale = 0;

    function redoWithheld() {
        return staleRedo && redoAboveStale === 0;
    }

    doc.addEventListener('input', function (event) {
        if (!staleRedo)
            return;
        if (event.inputType === 'historyUndo')
            redoAboveStale++;
        else if (event.inputType === 'historyRedo')
            redoAboveStale--;
        else
            staleRedo = false;
    }, true);

    doc.addEventListener('beforeinput', function (event) {
        if (event.inputType === 'historyRedo' && redoWithheld())
            event.preventDefault();
    }, true);

    doc.addEventListener('keydown', function (event) {
        const key = event.key.toLowerCase();
        const redoKey = event.ctrlKey && !event.altKey && ((key === 'z' && event.shiftKey) || (key === 'y' && !event.shiftKey));
        if (redoKey && redoWithheld())
            event.preventDefault();
    }, true);

    // Block commands (lists, indent, outdent, justify, format block) move and rewrap
    // paragraphs, and the engine leaves the caret at the start of the item it made.
    // The selection is kept as counts of the visible characters before its ends, which
    // those commands do not change, and put back where the user had it.
    const BLOCK_COMMANDS = new Set(['orderedList', 'unorderedList', 'indent', 'outdent', 'justifyLeft',
        'justifyCenter', 'justifyRight', 'setBlockFormat']);

    function visibleCount(text) {
        return text.replace(/\s/g, '').length;
    }

    // A point as { count, after }: `after` when it sticks to the visible character
    // before it (the end of a word), else to the one after it.
    function textPoint(node, offset) {
        const range = doc.createRange();
        range.setStart(body(), 0);
        range.setEnd(node, offset);
        // The text just before the point in its own paragraph, if any.
        let previous = '';
        if (node.nodeType === 3) {
            previous = node.data.slice(0, offset);
        } else {
            let before = offset > 0 ? node.childNodes[offset - 1] : null;
            while (before && before.nodeType === 1 && !BLOCK_TAGS.has(before.tagName) && before.tagName !== 'LI'
                && before.tagName !== 'BR' && before.lastChild)
                before = before.lastChild;
            previous = before && before.nodeType === 3 ? before.data : '';
        }
        return { count: visibleCount(range.toString()), after: /\S$/.test(previous) };
    }

    function savedSelection() {
        const sel = doc.getSelection();
        if (!currentRange() || controlElement())
            return null;
        return { anchor: textPoint(sel.anchorNode, sel.anchorOffset), focus: textPoint(sel.focusNode, sel.focusOffset) };
    }

    // The DOM point of a text point, or null when the document has no visible text.
    function domPoint(point) {
        const walker = doc.createTreeWalker(body(), NodeFilter.SHOW_TEXT);
        const wanted = point.after ? point.count : point.count + 1;
        let seen = 0;
        let last = null;
        for (let node = walker.nextNode(); node; node = walker.nextNode()) {
            for (let i = 0; i < node.data.length; i++) {
                if (!/\S/.test(node.data[i]))
                    continue;
                seen++;
                last = { node: node, offset: i + 1 };
                if (seen === wanted && wanted > 0)
                    return point.after ? last : { node: node, offset: i };
            }
        }
        return last;
    }

    function samePoint(a, b) {
        return a.count === b.count && a.after === b.after;
    }

    function restoreSelection(saved) {
        const now = savedSelection();
        if (!saved || !now || (samePoint(saved.anchor, now.anchor) && samePoint(saved.focus, now.focus)))
            return;
        const anchor = domPoint(saved.anchor);
        const focus = domPoint(saved.focus);
        if (anchor && focus)
            doc.getSelection().setBaseAndExtent(anchor.node, anchor.offset, focus.node, focus.offset);
    }

    function exec(key, argument) {
        if (!hasDocument())
            return false;
        if (key !== 'undo' && key !== 'redo' && key !== 'selectAll')
            ensureSelection();
        const kept = BLOCK_COMMANDS.has(key) ? savedSelection() : null;
        let done = true;
        if (tableCommands[key]) {
            if (!runTableCommand(key))
                return false;
        } else if (key === 'makeAbsolute') {
            const target = positionTarget();
            if (!target)
                return false;
            makeAbsolute(target);
        } else if (positionCommands[key]) {
            const target = positionTarget();
            if (!isAbsolute(target))
                return false;
            positionCommands[key](target);
        } else if (key === 'font') {
            applyFont(argument || {});
        } else if (key === 'setBlockFormat') {
            if (argument === 'ol' || argument === 'ul') {
                // Lists are not blocks to the engine's formatBlock: its list commands
                // make them (and would take a list of the same kind away again).
                const inList = closest(anchorElement(), function (el) {
                    return el.tagName === argument.toUpperCase();
                });
                done = inList || doc.execCommand(argument === 'ol' ? 'insertOrderedList' : 'insertUnorderedList');
            } else {
                done = doc.execCommand('formatBlock', false, '<' + argument + '>');
            }
        } else if (key === 'insertTable' || key === 'pasteHtml') {
            done = insertHtml(argument);
        } else if (key === 'hyperlink') {
            const range = currentRange();
            if (range && range.collapsed) {
                const link = doc.createElement('a');
                link.href = argument;
                link.textContent = argument;
                done = doc.execCommand('insertHTML', false, link.outerHTML);
            } else {
                done = doc.execCommand('createLink', false, argument);
            }
        } else if (key === 'redo' && redoWithheld()) {
            return false;
        } else if (NATIVE[key]) {
            done = doc.execCommand(NATIVE[key], false, argument === undefined ? null : argument);
        } else {
            return false;
        }
        if (kept)
            restoreSelection(kept);
        pushStatus();
        return done;
    }

    function serialize() {
        const clone = doc.documentElement.cloneNode(true);
        clone.querySelectorAll('[' + SELECTED + ']').forEach(function (el) {
            el.removeAttribute(SELECTED);
        });
        let doctype = '';
        const dt = doc.doctype;
        if (dt) {
            doctype = '<!DOCTYPE ' + dt.name;
            if (dt.publicId)
                doctype += ' PUBLIC "' + dt.publicId + '"';
            if (dt.systemId)
                doctype += (dt.publicId ? '' : ' SYSTEM') + ' "' + dt.systemId + '"';
            doctype += '>\n';
        }
        return doctype + clone.outerHTML + '\n';
    }

    function caretToStart() {
        if (!hasDocument())
            return;
        const range = doc.createRange();
        range.selectNodeContents(body());
        range.collapse(true);
        selectRange(range);
        window.scrollTo(0, 0);
        pushStatus();
    }

    function positionedAncestorNearEdge(event) {
        const el = closest(event.target, isAbsolute);
        if (!el)
            return null;
        const rect = el.getBoundingClientRect();
        const edge = 6;
        const nearEdge = event.clientX - rect.left < edge || rect.right - event.clientX < edge
            || event.clientY - rect.top < edge || rect.bottom - event.clientY < edge;
        return nearEdge || selectedControl === el ? el : null;
    }

    doc.addEventListener('mousedown', function (event) {
        if (event.button !== 0)
            return;
        const positioned = positionedAncestorNearEdge(event);
        const control = CONTROL_TAGS.has(event.target.tagName) ? event.target : null;
        const el = positioned || control;
        if (!el)
            return;
        event.preventDefault();
        selectElement(el);
        if (isAbsolute(el) && !locked.has(el)) {
            drag = { el: el, x: event.clientX, y: event.clientY, left: parseInt(el.style.left, 10) || 0,
                top: parseInt(el.style.top, 10) || 0, moved: false };
        }
        pushStatus();
    }, true);

    doc.addEventListener('mousemove', function (event) {
        if (!drag)
            return;
        if (event.buttons === 0) {
            drag = null; // the button went up outside the page
            return;
        }
        let left = drag.left + event.clientX - drag.x;
        let top = drag.top + event.clientY - drag.y;
        if (snapToGrid) {
            left = Math.round(left / GRID) * GRID;
            top = Math.round(top / GRID) * GRID;
        }
        drag.el.style.left = left + 'px';
        drag.el.style.top = top + 'px';
        event.preventDefault();
    }, true);

    doc.addEventListener('mouseup', function () {
        drag = null;
        pushStatus();
    }, true);

    doc.addEventListener('selectionchange', pushStatus);
    doc.addEventListener('input', pushStatus);
    doc.addEventListener('keyup', pushStatus);

    // Every change of the document, by typing, a command or a drag, makes it dirty;
    // the selection marker is display only.
    const observer = new MutationObserver(function (mutations) {
        const real = mutations.some(function (m) {
            return !(m.type === 'attributes' && m.attributeName === SELECTED);
        });
        if (real && host)
            host.documentEdited();
    });

    function start() {
        doc.designMode = 'on';
        try {
            doc.execCommand('styleWithCSS', false, false);
        } catch (e) {
        }
        applySheets();
        observer.observe(doc.documentElement, { subtree: true, childList: true, attributes: true,
            characterData: true });
        caretToStart();
        new QWebChannel(qt.webChannelTransport, function (channel) {
            host = channel.objects.host;
            host.bridgeReady(JSON.stringify(snapshot()));
        });
    }

    window.quorvelBridge = {
        // The status goes out after every command, also one that could not run, so
        // that the toolbar never goes on showing a state the document does not have.
        exec: function (key, argument) {
            try {
                return exec(key, argument);
            } finally {
                pushStatus();
            }
        },
        pasteHtml: function (html) {
            return exec('pasteHtml', html);
        },
        caretToStart: caretToStart,
        serialize: serialize,
        setShowBorders: function (on) {
            showBorders = !!on;
            applySheets();
            pushStatus();
        },
        setShowDetails: function (on) {
            showDetails = !!on;
            applySheets();
            pushStatus();
        },
        setSnapToGrid: function (on) {
            snapToGrid = !!on;
            pushStatus();
        },
        selectElement: function (el) {
            selectElement(el);
            pushStatus();
        },
        snapshot: snapshot
    };

    if (doc.body)
        start();
    else
        doc.addEventListener('DOMContentLoaded', start);
})();
