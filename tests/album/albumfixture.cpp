// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel_album_fixture: a web album made directly through the core's decoder, scaler and
// encoder, for the album's browser check and bench/album-audit.sh until the album
// engine makes albums itself.
//
//   quorvel_album_fixture [--thumb-height N] [--web-size N] [--quality Q] [--originals] SOURCE ALBUM
//
// Every picture of SOURCE (natural name order) becomes web/NAME.jpg (long edge at most
// --web-size, default 2048), thumbs/NAME.jpg (--thumb-height high, default 200) and
// thumbs/NAME@2x.jpg (twice as high), of JPEG quality --quality (default 85, as the
// album's own default); with --originals, a copy in originals/NAME. The page is
// album::pageHtml's, with the assets of album::pageAssets beside it. Names are kept as
// they are, so a hostile name in SOURCE reaches the page's references.
#include "album/albumpage.h"
#include "imaging/resample.h"
#include "imaging/thumbnailer.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdio>

using namespace quorvel;

namespace
{

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QImage scaledBy(const QImage &image, double factor)
{
    const auto side = [factor](int length) {
        return std::max(1, static_cast<int>(std::lround(length * factor)));
    };
    return resample::scaled(image, QSize(side(image.width()), side(image.height())), resample::Filter::Lanczos3);
}

int usage()
{
    std::fputs(
        "Usage: quorvel_album_fixture [--thumb-height N] [--web-size N] [--quality Q] [--originals] SOURCE ALBUM\n",
        stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int thumbHeight = 200;
    int webSize = 2048;
    int quality = 85;
    bool originals = false;
    while (args.size() > 2) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--originals"))
            originals = true;
        else if (option == QLatin1String("--thumb-height") && args.size() > 2)
            thumbHeight = args.takeFirst().toInt();
        else if (option == QLatin1String("--web-size") && args.size() > 2)
            webSize = args.takeFirst().toInt();
        else if (option == QLatin1String("--quality") && args.size() > 2)
            quality = args.takeFirst().toInt();
        else
            return usage();
    }
    if (args.size() != 2 || thumbHeight <= 0 || webSize <= 0 || quality < 1 || quality > 100)
        return usage();
    const QDir source(args[0]);
    const QDir album(args[1]);
    for (const char *folder : { "web", "thumbs", "originals" })
        album.mkpath(QLatin1String(folder));

    ImageSettings settings;
    settings.frame = false;
    settings.quality = quality;
    settings.dctMethod = 0;
    settings.fancyUpsampling = true;
    album::PageInput input;
    input.title = QStringLiteral("Test album");
    input.intro = QStringLiteral("Photos made by the album fixture.\n\nEach links its web-size copy.");
    input.footer = QStringLiteral("Made with Quorvel");
    for (const QString &name : listMatchingFiles(source.path(), QStringLiteral("*.jpg;*.jpeg;*.gif;*.png"))) {
        const DecodedPicture picture = Thumbnailer::decode(source.filePath(name), settings, webSize);
        if (!picture.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(picture.error));
            return 1;
        }
        const QImage &image = picture.image;
        const int longEdge = std::max(image.width(), image.height());
        const QImage web = longEdge > webSize ? scaledBy(image, double(webSize) / longEdge) : image;
        const QImage thumb = scaledBy(image, double(thumbHeight) / image.height());
        const QImage thumb2x = scaledBy(image, 2.0 * thumbHeight / image.height());
        const QString stem = QFileInfo(name).completeBaseName();
        album::PageEntry entry { .thumb1x = QStringLiteral("thumbs/") + stem + QStringLiteral(".jpg"),
            .thumb2x = QStringLiteral("thumbs/") + stem + QStringLiteral("@2x.jpg"),
            .thumbWidth = thumb.width(),
            .thumbHeight = thumb.height(),
            .web = QStringLiteral("web/") + stem + QStringLiteral(".jpg"),
            .webWidth = web.width(),
            .webHeight = web.height(),
            .original = originals ? QStringLiteral("originals/") + name : QString(),
            .alt = stem,
            .caption =
                QStringLiteral("%1 \u00d7 %2 pixels").arg(picture.fullSize.width()).arg(picture.fullSize.height()) };
        const bool written = writeFile(album.filePath(entry.web), Thumbnailer::encodeJpeg(web, settings))
            && writeFile(album.filePath(entry.thumb1x), Thumbnailer::encodeJpeg(thumb, settings))
            && writeFile(album.filePath(entry.thumb2x), Thumbnailer::encodeJpeg(thumb2x, settings))
            && (!originals || QFile::copy(source.filePath(name), album.filePath(entry.original)));
        if (!written) {
            std::fprintf(stderr, "could not write the files of %s\n", qPrintable(name));
            return 1;
        }
        input.entries.push_back(entry);
    }
    bool written = writeFile(album.filePath(QStringLiteral("index.html")), album::pageHtml(input));
    for (const album::PageFile &file : album::pageAssets())
        written = written && writeFile(album.filePath(file.name), file.bytes);
    if (!written) {
        std::fputs("could not write the page\n", stderr);
        return 1;
    }
    std::printf("%zu photos in %s\n", input.entries.size(), qPrintable(album.path()));
    return 0;
}
