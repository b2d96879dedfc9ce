// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchoptions.h"

#include "app/pageoptions.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace quorvel::batch
{
namespace
{

std::optional<int> wholeIn(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

} // namespace

QString helpText()
{
    return QCoreApplication::translate("quorvel-batch",
        "Usage: quorvel-batch [options] SOURCE DEST\n"
        "       quorvel-batch --album [options] SOURCE ALBUM\n"
        "Makes a thumbnail of every *.jpg and *.gif picture of SOURCE in DEST and, with\n"
        "--page, a gallery page in SOURCE that links each thumbnail to its picture.\n"
        "With --album, makes or updates a web album of SOURCE's pictures (*.jpg, *.jpeg,\n"
        "*.png, *.gif) in the folder ALBUM instead: thumbnails, web-size copies without\n"
        "any metadata, index.html; a rerun remakes only what changed.\n"
        "\n"
        "  -s, --size N            thumbnail size in pixels, 1 to 32767 (default 90)\n"
        "      --no-border         thumbnails without the frame\n"
        "  -p, --prefix P          name each thumbnail P + picture name\n"
        "      --page NAME         also write the gallery page NAME in SOURCE\n"
        "      --image-folder REF  image folder reference put before each thumbnail name\n"
        "      --columns N         lay the page out as a table of N columns\n"
        "      --table-border      table border 1 (default 0)\n"
        "      --header FILE       header text: the file's contents, verbatim (default empty)\n"
        "      --footer FILE       footer text, likewise\n"
        "  -q, --quality Q         JPEG quality, 0 (as 1, the lowest) to 100 (default 85)\n"
        "      --smoothing S       JPEG smoothing, 0 to 100 (default 0)\n"
        "      --dct METHOD        slow, fast or float (default fast)\n"
        "      --no-optimize       optimized Huffman coding off (on by default)\n"
        "      --fancy-upsampling  smooth chroma upsampling when decoding\n"
        "      --update            leave thumbnails that are newer than their picture and of\n"
        "                          the size asked for (off: every thumbnail is written)\n"
        "  -j, --jobs N            worker threads (default: one per core)\n"
        "\n"
        "Web album (--album; -q sets the quality of its files):\n"
        "      --title TEXT        the page's title (default: SOURCE's folder name)\n"
        "      --intro TEXT        text under the title; blank lines separate paragraphs\n"
        "      --footer-text TEXT  text at the end of the page\n"
        "      --web-size N        longer side of the web-size copies, 640 to 4096\n"
        "                          (default 2048; smaller pictures keep their size)\n"
        "      --thumb-height N    thumbnail height, 60 to 600 (default 200)\n"
        "      --sort ORDER        name or date (capture date; default name)\n"
        "      --originals         also copy the originals, bytes unchanged, and link them\n"
        "                          as \"download original\": they keep their EXIF, GPS\n"
        "                          position and camera serial number included\n"
        "      --no-captions       no capture date and camera under the pictures\n"
        "\n"
        "      --quiet             no summary line\n"
        "      --progress          show the count of pictures done on standard error\n"
        "  -h, --help              show this text\n"
        "      --version           show the version\n"
        "\n"
        "Exit status (with --album, the album's files and page count as thumbnails and page):\n"
        "  0  every thumbnail was written, and the page when asked for\n"
        "  1  refused, nothing written (thumbnails would replace the pictures)\n"
        "  2  bad options or folders\n"
        "  3  finished, but some pictures could not be read; the rest was written\n"
        "  4  thumbnails or the page could not be written (a full disk, ...)\n"
        "Whatever failed is named on standard error with the reason.\n");
}

QString parseArguments(const QStringList &arguments, BatchOptions &options)
{
    QStringList positional;
    ImageSettings &settings = options.request.settings;
    AppState &state = options.state;
    int size = 90;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        QString name = argument;
        std::optional<QString> attached;
        if (argument.startsWith(QLatin1String("--")) && argument.contains(QLatin1Char('='))) {
            name = argument.section(QLatin1Char('='), 0, 0);
            attached = argument.section(QLatin1Char('='), 1);
        } else if (argument.size() > 2 && argument[0] == QLatin1Char('-') && argument[1] != QLatin1Char('-')
            && QStringLiteral("spqj").contains(argument[1])) {
            name = argument.left(2); // "-j4", "-pthumb_"
            attached = argument.mid(2);
        }
        const auto value = [&]() -> std::optional<QString> {
            if (attached)
                return attached;
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        const auto number = [&](int lowest, int highest, int &target) -> QString {
            const std::optional<QString> text = value();
            if (!text)
                return QCoreApplication::translate("quorvel-batch", "%1 needs a number.").arg(name);
            const std::optional<int> parsed = wholeIn(*text, lowest, highest);
            if (!parsed)
                return QCoreApplication::translate(
                    "quorvel-batch", "%1 needs a whole number from %2 to %3, not \"%4\".")
                    .arg(name)
                    .arg(lowest)
                    .arg(highest)
                    .arg(*text);
            target = *parsed;
            return {};
        };
        const auto text = [&](QString &target) -> QString {
            const std::optional<QString> given = value();
            if (!given)
                return QCoreApplication::translate("quorvel-batch", "%1 needs a value.").arg(name);
            target = *given;
            return {};
        };
        const auto fileText = [&](QString &target) -> QString {
            QString path;
            if (QString error = text(path); !error.isEmpty())
                return error;
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return QStringLiteral("Cannot read %1 \"%2\": %3.").arg(name, path, file.errorString());
            target = QString::fromLocal8Bit(file.readAll());
            return {};
        };

        QString error;
        int columns = 0;
        if (name == QLatin1String("-s") || name == QLatin1String("--size")) {
            error = number(1, 32767, size);
        } else if (name == QLatin1String("--no-border")) {
            settings.frame = false;
        } else if (name == QLatin1String("-p") || name == QLatin1String("--prefix")) {
            error = text(options.request.prefix);
            options.request.rename = true;
        } else if (name == QLatin1String("--page")) {
            error = text(state.htmlFileName);
            options.request.writePage = true;
            const PageNameFault fault = pageNameFault(state.htmlFileName);
            if (error.isEmpty() && fault == PageNameFault::NoName)
                error = QStringLiteral("--page needs a file name that is not blank and does not begin with \".\".");
            else if (error.isEmpty() && fault == PageNameFault::HoldsFolder)
                error = QStringLiteral("--page needs a file name without a folder: the page is written in SOURCE.");
        } else if (name == QLatin1String("--image-folder")) {
            error = text(state.imageFolderRef);
        } else if (name == QLatin1String("--columns")) {
            error = number(-32768, 32767, columns);
            state.table = 1;
            state.columns = static_cast<std::int16_t>(columns);
        } else if (name == QLatin1String("--table-border")) {
            state.tableBorder = 1;
        } else if (name == QLatin1String("--header")) {
            error = fileText(state.headertext);
        } else if (name == QLatin1String("--footer")) {
            error = fileText(state.footertext);
        } else if (name == QLatin1String("-q") || name == QLatin1String("--quality")) {
            error = number(0, 100, settings.quality);
        } else if (name == QLatin1String("--smoothing")) {
            error = number(0, 100, settings.smoothing);
        } else if (name == QLatin1String("--dct")) {
            QString method;
            error = text(method);
            const QStringList methods { QStringLiteral("slow"), QStringLiteral("fast"), QStringLiteral("float") };
            if (error.isEmpty() && !methods.contains(method))
                error = QCoreApplication::translate("quorvel-batch", "--dct takes slow, fast or float, not \"%1\".")
                            .arg(method);
            settings.dctMethod = int(methods.indexOf(method));
        } else if (name == QLatin1String("--no-optimize")) {
            settings.optimizeCoding = false;
        } else if (name == QLatin1String("--fancy-upsampling")) {
            settings.fancyUpsampling = true;
        } else if (name == QLatin1String("--update")) {
            options.request.skipUpToDate = true;
        } else if (name == QLatin1String("--album")) {
            options.album = true;
        } else if (name == QLatin1String("--title")) {
            error = text(options.albumOptions.title);
        } else if (name == QLatin1String("--intro")) {
            error = text(options.albumOptions.intro);
        } else if (name == QLatin1String("--footer-text")) {
            error = text(options.albumOptions.footer);
        } else if (name == QLatin1String("--web-size")) {
            error = number(
                album::AlbumOptions::kMinWebSize, album::AlbumOptions::kMaxWebSize, options.albumOptions.webSize);
        } else if (name == QLatin1String("--thumb-height")) {
            error = number(album::AlbumOptions::kMinThumbHeight,
                album::AlbumOptions::kMaxThumbHeight,
                options.albumOptions.thumbHeight);
        } else if (name == QLatin1String("--sort")) {
            QString order;
            error = text(order);
            if (error.isEmpty() && order != QLatin1String("name") && order != QLatin1String("date"))
                error =
                    QCoreApplication::translate("quorvel-batch", "--sort takes name or date, not \"%1\".").arg(order);
            options.albumOptions.sort =
                order == QLatin1String("date") ? album::SortOrder::CaptureDate : album::SortOrder::Name;
        } else if (name == QLatin1String("--originals")) {
            options.albumOptions.copyOriginals = true;
        } else if (name == QLatin1String("--no-captions")) {
            options.albumOptions.captions = false;
        } else if (name == QLatin1String("-j") || name == QLatin1String("--jobs")) {
            error = number(1, 1024, options.request.jobs);
        } else if (name == QLatin1String("--quiet")) {
            options.quiet = true;
        } else if (name == QLatin1String("--progress")) {
            options.progress = true;
        } else if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
            options.showHelp = true;
        } else if (name == QLatin1String("--version")) {
            options.showVersion = true;
        } else if (name == QLatin1String("--")) {
            positional += arguments.mid(i + 1);
            break;
        } else if (name.startsWith(QLatin1Char('-')) && name.size() > 1) {
            error = QCoreApplication::translate("quorvel-batch", "Unknown option %1 (see --help).").arg(name);
        } else {
            positional += argument;
        }
        if (!error.isEmpty())
            return error;
    }
    if (options.showHelp || options.showVersion)
        return {};
    settings.boxSize = size;
    options.albumOptions.quality = std::max(1, settings.quality);
    if (positional.size() != 2)
        return QCoreApplication::translate("quorvel-batch", "Give a SOURCE and a DEST folder (see --help).");
    // An album's folder is made when it does not exist yet.
    for (const QString &folder : options.album ? positional.mid(0, 1) : positional) {
        if (!QFileInfo(folder).isDir())
            return QCoreApplication::translate("quorvel-batch", "\"%1\" is not a folder.").arg(folder);
    }
    options.request.sourceFolder = QFileInfo(positional[0]).absoluteFilePath();
    options.request.destFolder = QFileInfo(positional[1]).absoluteFilePath();
    return {};
}

namespace
{

QStringList picturesMatching(const QString &sourceFolder, const QString &patterns)
{
    QStringList paths;
    for (const QString &name : listMatchingFiles(sourceFolder, patterns))
        paths += joinPath(sourceFolder, name);
    return paths;
}

} // namespace

QStringList listPictures(const QString &sourceFolder)
{
    return picturesMatching(sourceFolder, QStringLiteral("*.jpg;*.gif"));
}

QStringList listAlbumPictures(const QString &sourceFolder)
{
    return picturesMatching(sourceFolder, QStringLiteral("*.jpg;*.jpeg;*.png;*.gif"));
}

} // namespace quorvel::batch
