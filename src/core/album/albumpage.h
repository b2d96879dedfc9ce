// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace quorvel::album
{

/// One picture of a web album as its page shows it. Paths are relative to the
/// album folder, with "/" between folders, as the album's files are named on disk
/// (the page encodes them).
struct PageEntry {
    QString thumb1x; ///< thumbnail at the page's thumbnail height
    /// the same thumbnail at twice the height, for dense screens; empty, or thumb1x itself,
    /// when the picture is too small for two (the img then has no srcset)
    QString thumb2x;
    int thumbWidth = 0; ///< size of thumb1x in pixels
    int thumbHeight = 0;
    QString web; ///< the web-size copy the viewer and the plain link open
    int webWidth = 0; ///< size of the web-size copy in pixels
    int webHeight = 0;
    QString original; ///< the copied original, linked as "download original"; empty when not copied
    QString alt; ///< the picture's title, or else its file name
    QString caption; ///< capture date and camera, as shown; empty when captions are off
};

/// What the album's page says around its pictures.
struct PageInput {
    QString title;
    QString intro; ///< plain text, may be empty; blank lines separate paragraphs
    QString footer; ///< plain text, may be empty
    QString language = QStringLiteral("en"); ///< the page's lang attribute
    std::vector<PageEntry> entries; ///< in page order
};

/// A file the page needs beside index.html, by its name relative to the album folder.
struct PageFile {
    QString name;
    QByteArray bytes;
};

/// The album's index.html (UTF-8 HTML5) for the input. Every text is escaped; no
/// request leaves the album folder; it works with scripts off (each thumbnail is a plain
/// link to its web-size copy).
QByteArray pageHtml(const PageInput &input);

/// The files index.html refers to (the style sheet and the viewer script), the same
/// for every album; a build writes them when they differ from what is on disk.
std::vector<PageFile> pageAssets();

} // namespace quorvel::album
