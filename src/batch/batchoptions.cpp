// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchoptions.h"

#include "app/commandline.h"
#include "app/pageoptions.h"
#include "platform/paths.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <vector>

namespace quorvel::batch
{
namespace
{

// The part of --help an option is listed in.
enum class Section {
    Run, ///< thumbnails, the page and the run
    Album, ///< the web album's own
    Program, ///< how the program speaks
};

/// One option: what the parser reads and what --help says of it (a line of --help for
/// each line of the description). A one-letter name is the short form.
struct OptionEntry {
    QStringList names;
    const char *valueName; ///< the value's place holder in --help; nullptr for a switch
    const char *description; ///< one line per line of --help
    Section section;
};

const std::vector<OptionEntry> &optionTable()
{
    static const std::vector<OptionEntry> table {
        { { "size", "s" },
            "N",
            QT_TRANSLATE_NOOP("quorvel-batch", "thumbnail size in pixels, 1 to 32767 (default 90)"),
            Section::Run },
        { { "no-border" }, nullptr, QT_TRANSLATE_NOOP("quorvel-batch", "thumbnails without the frame"), Section::Run },
        { { "prefix", "p" },
            "P",
            QT_TRANSLATE_NOOP("quorvel-batch", "name each thumbnail P + picture name"),
            Section::Run },
        { { "page" },
            "NAME",
            QT_TRANSLATE_NOOP("quorvel-batch", "also write the gallery page NAME in SOURCE"),
            Section::Run },
        { { "image-folder" },
            "REF",
            QT_TRANSLATE_NOOP("quorvel-batch", "image folder reference put before each thumbnail name"),
            Section::Run },
        { { "columns" },
            "N",
            QT_TRANSLATE_NOOP("quorvel-batch", "lay the page out as a table of N columns"),
            Section::Run },
        { { "table-border" }, nullptr, QT_TRANSLATE_NOOP("quorvel-batch", "table border 1 (default 0)"), Section::Run },
        { { "header" },
            "FILE",
            QT_TRANSLATE_NOOP("quorvel-batch", "header text: the file's contents, verbatim (default empty)"),
            Section::Run },
        { { "footer" }, "FILE", QT_TRANSLATE_NOOP("quorvel-batch", "footer text, likewise"), Section::Run },
        { { "quality", "q" },
            "Q",
            QT_TRANSLATE_NOOP("quorvel-batch", "JPEG quality, 0 (as 1, the lowest) to 100 (default 85)"),
            Section::Run },
        { { "smoothing" },
            "S",
            QT_TRANSLATE_NOOP("quorvel-batch", "JPEG smoothing, 0 to 100 (default 0)"),
            Section::Run },
        { { "dct" }, "METHOD", QT_TRANSLATE_NOOP("quorvel-batch", "slow, fast or float (default fast)"), Section::Run },
        { { "no-optimize" },
            nullptr,
            QT_TRANSLATE_NOOP("quorvel-batch", "optimized Huffman coding off (on by default)"),
            Section::Run },
        { { "fancy-upsampling" },
            nullptr,
            QT_TRANSLATE_NOOP("quorvel-batch", "smooth chroma upsampling when decoding"),
            Section::Run },
        { { "update" },
            nullptr,
            QT_TRANSLATE_NOOP("quorvel-batch",
                "leave thumbnails that are newer than their picture and of\n"
                "the size asked for (off: every thumbnail is written)"),
            Section::Run },
        { { "jobs", "j" },
            "N",
            QT_TRANSLATE_NOOP("quorvel-batch", "worker threads (default: one per core)"),
            Section::Run },
        { { "album" },
            nullptr,
            QT_TRANSLATE_NOOP("quorvel-batch", "make or update a web album in ALBUM"),
            Section::Album },
        { { "title" },
            "TEXT",
            QT_TRANSLATE_NOOP("quorvel-batch", "the page's title (default: SOURCE's folder name)"),
            Section::Album },
        { { "intro" },
            "TEXT",
            QT_TRANSLATE_NOOP("quorvel-batch", "text under the title; blank lines separate paragraphs"),
            Section::Album },
        { { "footer-text" },
            "TEXT",
            QT_TRANSLATE_NOOP("quorvel-batch", "text at the end of the page"),
            Section::Album },
        { { "web-size" },
            "N",
            QT_TRANSLATE_NOOP("quorvel-batch",
                "longer side of the web-size copies, 640 to 4096\n"
                "(default 2048; smaller pictures keep their size)"),
            Section::Album },
        { { "thumb-height" },
            "N",
            QT_TRANSLATE_NOOP("quorvel-batch", "thumbnail height, 60 to 600 (default 200)"),
            Section::Album },
        { { "sort" },
            "ORDER",
            QT_TRANSLATE_NOOP("quorvel-batch", "name or date (capture date; default name)"),
            Section::Album },
        { { "originals" },
            nullptr,
            QT_TRANSLATE_NOOP("quorvel-batch",
                "also copy the originals, bytes unchanged, and link them\n"
                "as \"download original\": they keep their EXIF, GPS\n"
                "position and camera serial number included"),
            Section::Album },
        { { "no-captions" },
            nullptr,
            QT_TRANSLATE_NOOP("quorvel-batch", "no capture date and camera under the pictures"),
            Section::Album },
        { { "quiet" },
            nullptr,
            QT_TRANSLATE_NOOP("quorvel-batch", "no summary line, nor the line saying a folder was made"),
            Section::Program },
        { { "progress" },
            nullptr,
            QT_TRANSLATE_NOOP("quorvel-batch",
                "show the count of pictures done on standard error: one\n"
                "line kept up to date on a terminal, otherwise a line\n"
                "each time the count changes"),
            Section::Program },
        { { "help", "h" }, nullptr, QT_TRANSLATE_NOOP("quorvel-batch", "show this text"), Section::Program },
        { { "version" }, nullptr, QT_TRANSLATE_NOOP("quorvel-batch", "show the version"), Section::Program },
    };
    return table;
}

// A text of the table above (marked for lupdate there) in the user's language.
QString translated(const char *text)
{
    return QCoreApplication::translate("quorvel-batch", text);
}

// The options of one part of --help, or of all parts; as the parser reads them.
QList<QCommandLineOption> commandLineOptions(std::optional<Section> section = std::nullopt)
{
    QList<QCommandLineOption> options;
    for (const OptionEntry &entry : optionTable()) {
        if (section && entry.section != *section)
            continue;
        QCommandLineOption option(entry.names, translated(entry.description));
        if (entry.valueName)
            option.setValueName(QLatin1String(entry.valueName));
        options += option;
    }
    return options;
}

std::optional<int> wholeIn(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// How the parser's names are written on the command line: "-s", "--size".
QString spelled(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

QString helpText()
{
    const qsizetype width = optionColumnWidth(commandLineOptions());
    const auto section = [width](Section which) {
        return optionHelpLines(commandLineOptions(which), width);
    };
    return QCoreApplication::translate("quorvel-batch",
               "Usage: quorvel-batch [options] SOURCE DEST\n"
               "       quorvel-batch --album [options] SOURCE ALBUM\n"
               "Makes a thumbnail of every *.jpg and *.gif picture of SOURCE in DEST and, with\n"
               "--page, a gallery page in SOURCE that links each thumbnail to its picture.\n"
               "With --album, makes or updates a web album of SOURCE's pictures (JPEG, PNG, GIF,\n"
               "WebP, HEIC/HEIF, AVIF and TIFF, told by their content whatever their names) in\n"
               "the folder ALBUM instead: thumbnails, web-size copies without any metadata,\n"
               "index.html; a rerun remakes only what changed.\n"
               "DEST or ALBUM is made, with the folders above it, when it does not exist.\n")
        + QLatin1Char('\n') + section(Section::Run) + QLatin1Char('\n')
        + QCoreApplication::translate("quorvel-batch", "Web album (-q sets the quality of its files):\n")
        + section(Section::Album) + QLatin1Char('\n') + section(Section::Program) + QLatin1Char('\n')
        + QCoreApplication::translate("quorvel-batch",
            "Exit status (with --album, the album's files and page count as thumbnails and page):\n"
            "  0  every thumbnail was written, and the page when asked for\n"
            "  1  refused, nothing written (thumbnails would replace the pictures)\n"
            "  2  bad options or folders\n"
            "  3  finished, but some pictures could not be read; the rest was written\n"
            "  4  thumbnails or the page could not be written (a full disk, ...), or DEST\n"
            "     could not be made\n"
            "Whatever failed is named on standard error with the reason.\n");
}

QString parseArguments(const QStringList &arguments, BatchOptions &options)
{
    QCommandLineParser parser;
    // "-j4", "-pthumb_": a short option's value may follow it directly.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOptions(commandLineOptions());
    if (!parser.parse(QStringList { QStringLiteral("quorvel-batch") } + arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return QCoreApplication::translate("quorvel-batch", "Unknown option %1 (see --help).")
                .arg(spelled(parser.unknownOptionNames().first()));
        QString error = parser.errorText(); // "Missing value after '--size'."
        if (error.endsWith(QLatin1Char('.')))
            error.chop(1);
        return QCoreApplication::translate("quorvel-batch", "%1 (see --help).").arg(error);
    }
    const auto isSet = [&](const char *name) {
        return parser.isSet(QLatin1String(name));
    };

    ImageSettings &settings = options.request.settings;
    AppState &state = options.state;
    // Each check below reads one option's value and gives its fault, or nothing.
    const auto number = [&](const char *name, int lowest, int highest, int &target) -> QString {
        if (!isSet(name))
            return {};
        const QString text = parser.value(QLatin1String(name));
        const std::optional<int> parsed = wholeIn(text, lowest, highest);
        if (!parsed)
            return QCoreApplication::translate("quorvel-batch", "%1 needs a whole number from %2 to %3, not \"%4\".")
                .arg(spelled(QLatin1String(name)))
                .arg(lowest)
                .arg(highest)
                .arg(text);
        target = *parsed;
        return {};
    };
    const auto text = [&](const char *name, QString &target) {
        if (isSet(name))
            target = parser.value(QLatin1String(name));
    };
    const auto fileText = [&](const char *name, QString &target) -> QString {
        if (!isSet(name))
            return {};
        const QString path = parser.value(QLatin1String(name));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QCoreApplication::translate("quorvel-batch", "Cannot read %1 \"%2\": %3.")
                .arg(spelled(QLatin1String(name)), path, file.errorString());
        target = QString::fromLocal8Bit(file.readAll());
        return {};
    };
    const auto oneOf = [&](const char *name, const QStringList &choices, const QString &fault, int &target) {
        if (!isSet(name))
            return QString();
        const QString given = parser.value(QLatin1String(name));
        if (!choices.contains(given))
            return fault.arg(given);
        target = int(choices.indexOf(given));
        return QString();
    };

    int size = 90;
    int columns = 0;
    int sort = 0;
    QString error;
    const auto check = [&](const QString &fault) {
        if (error.isEmpty())
            error = fault;
    };
    check(number("size", 1, 32767, size));
    settings.frame = !isSet("no-border");
    options.request.rename = isSet("prefix");
    text("prefix", options.request.prefix);
    if (isSet("page")) {
        options.request.writePage = true;
        state.htmlFileName = parser.value(QStringLiteral("page"));
        const PageNameFault fault = pageNameFault(state.htmlFileName);
        if (fault == PageNameFault::NoName)
            check(QCoreApplication::translate(
                "quorvel-batch", "--page needs a file name that is not blank and does not begin with \".\"."));
        else if (fault == PageNameFault::HoldsFolder)
            check(QCoreApplication::translate(
                "quorvel-batch", "--page needs a file name without a folder: the page is written in SOURCE."));
    }
    text("image-folder", state.imageFolderRef);
    if (isSet("columns")) {
        check(number("columns", -32768, 32767, columns));
        state.table = 1;
        state.columns = static_cast<std::int16_t>(columns);
    }
    if (isSet("table-border"))
        state.tableBorder = 1;
    check(fileText("header", state.headertext));
    check(fileText("footer", state.footertext));
    check(number("quality", 0, 100, settings.quality));
    check(number("smoothing", 0, 100, settings.smoothing));
    check(oneOf("dct",
        { QStringLiteral("slow"), QStringLiteral("fast"), QStringLiteral("float") },
        QCoreApplication::translate("quorvel-batch", "--dct takes slow, fast or float, not \"%1\"."),
        settings.dctMethod));
    if (isSet("no-optimize"))
        settings.optimizeCoding = false;
    if (isSet("fancy-upsampling"))
        settings.fancyUpsampling = true;
    options.request.skipUpToDate = isSet("update");
    options.album = isSet("album");
    text("title", options.albumOptions.title);
    text("intro", options.albumOptions.intro);
    text("footer-text", options.albumOptions.footer);
    check(number(
        "web-size", album::AlbumOptions::kMinWebSize, album::AlbumOptions::kMaxWebSize, options.albumOptions.webSize));
    check(number("thumb-height",
        album::AlbumOptions::kMinThumbHeight,
        album::AlbumOptions::kMaxThumbHeight,
        options.albumOptions.thumbHeight));
    check(oneOf("sort",
        { QStringLiteral("name"), QStringLiteral("date") },
        QCoreApplication::translate("quorvel-batch", "--sort takes name or date, not \"%1\"."),
        sort));
    options.albumOptions.sort = sort == 1 ? album::SortOrder::CaptureDate : album::SortOrder::Name;
    if (isSet("originals"))
        options.albumOptions.copyOriginals = true;
    if (isSet("no-captions"))
        options.albumOptions.captions = false;
    check(number("jobs", 1, 1024, options.request.jobs));
    options.quiet = isSet("quiet");
    options.progress = isSet("progress");
    options.showHelp = isSet("help");
    options.showVersion = isSet("version");
    if (!error.isEmpty())
        return error;
    if (options.showHelp || options.showVersion)
        return {};

    settings.boxSize = size;
    options.albumOptions.quality = std::max(1, settings.quality);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return QCoreApplication::translate("quorvel-batch", "Give a SOURCE and a DEST folder (see --help).");
    // DEST (or ALBUM) that does not exist yet is made by the run.
    const QFileInfo source(positional[0]);
    const QFileInfo dest(positional[1]);
    const auto notAFolder = [](const QFileInfo &folder) {
        return QCoreApplication::translate("quorvel-batch", "\"%1\" is not a folder.").arg(folder.filePath());
    };
    if (!source.isDir())
        return notAFolder(source);
    if (dest.exists() && !dest.isDir())
        return notAFolder(dest);
    options.request.sourceFolder = source.absoluteFilePath();
    options.request.destFolder = dest.absoluteFilePath();
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

} // namespace quorvel::batch
