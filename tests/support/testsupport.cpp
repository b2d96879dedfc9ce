// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <utility>

namespace quorvel::test
{

QString testdataDir()
{
    const QFileInfo dir(QStringLiteral(QUORVEL_TESTDATA_DIR));
    return dir.isDir() ? dir.canonicalFilePath() : QString();
}

QString testPicture(const QString &relativePath)
{
    return QDir(testdataDir()).filePath(relativePath);
}

QString formatPicture(const QString &name)
{
    return testPicture(QStringLiteral("formats/") + name);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeMixedPictureFolder(const QString &folder)
{
    const QDir source(folder);
    const std::pair<QString, QString> copies[] = {
        { testPicture(QStringLiteral("orientation/landscape_6.jpg")), QStringLiteral("IMG_0001.JPEG") },
        { testPicture(QStringLiteral("cameras/nikon-e950.jpg")), QStringLiteral("camera.jpe") },
        { testPicture(QStringLiteral("formats/static.gif")), QStringLiteral("Anim.GIF") },
        { formatPicture(QStringLiteral("png-icc.png")), QStringLiteral("screenshot.jpg") },
        { formatPicture(QStringLiteral("png-orientation-6.png")), QStringLiteral("Shot.PNG") },
        { formatPicture(QStringLiteral("webp-orientation-6.webp")), QStringLiteral("saved.WEBP") },
        { formatPicture(QStringLiteral("webp-animated.webp")), QStringLiteral("moving.webp") },
        { formatPicture(QStringLiteral("tiff-orientation-3.tif")), QStringLiteral("scan.TIF") },
        { formatPicture(QStringLiteral("tiff-icc.tif")), QStringLiteral("scan2.tiff") },
        { testPicture(QStringLiteral("broken/truncated.jpg")), QStringLiteral("broken.jpg") },
        { formatPicture(QStringLiteral("broken-truncated.png")), QStringLiteral("broken.png") },
        { formatPicture(QStringLiteral("broken-truncated.webp")), QStringLiteral("broken.webp") },
        { formatPicture(QStringLiteral("broken-truncated.tif")), QStringLiteral("broken.tif") },
    };
    for (const auto &[from, name] : copies) {
        if (!QFile::copy(from, source.filePath(name)))
            return false;
    }
    // A GIF cut off within its first frame; a camera RAW file that is a TIFF inside.
    return writeFile(source.filePath(QStringLiteral("broken.gif")),
               readFile(testPicture(QStringLiteral("formats/static.gif"))).left(2000))
        && writeFile(source.filePath(QStringLiteral("raw.CR2")),
            QByteArray("II*\0\x10\0\0\0CR\x02\0\0\0\0\0", 16) + QByteArray(64, '\0'))
        && writeFile(source.filePath(QStringLiteral("drawing.svg")), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>")
        && writeFile(source.filePath(QStringLiteral("clip.mp4")),
            QByteArray("\0\0\0\x18"
                       "ftypisom\0\0\x02\0isomiso2",
                24));
}

QStringList mixedFolderPictures()
{
    return { QStringLiteral("Anim.GIF"),
        QStringLiteral("IMG_0001.JPEG"),
        QStringLiteral("Shot.PNG"),
        QStringLiteral("camera.jpe"),
        QStringLiteral("moving.webp"),
        QStringLiteral("saved.WEBP"),
        QStringLiteral("scan.TIF"),
        QStringLiteral("scan2.tiff"),
        QStringLiteral("screenshot.jpg") };
}

QStringList mixedFolderBrokenPictures()
{
    return { QStringLiteral("broken.gif"),
        QStringLiteral("broken.jpg"),
        QStringLiteral("broken.png"),
        QStringLiteral("broken.tif"),
        QStringLiteral("broken.webp") };
}

namespace
{

// Mean absolute difference per channel of two pictures of the same size; 255 otherwise.
double meanDifference(const QImage &a, const QImage &b)
{
    if (a.isNull() || a.size() != b.size())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int i = 0; i < 3 * x.width(); ++i)
            sum += std::abs(int(x.constScanLine(row)[i]) - int(y.constScanLine(row)[i]));
    }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace

QStringList mixedAlbumFaults(const QString &albumFolder)
{
    const QDir album(albumFolder);
    const QJsonObject record =
        QJsonDocument::fromJson(readFile(album.filePath(QStringLiteral(".quorvel-album.json")))).object();
    QMap<QString, QImage> web;
    for (const QJsonValue &value : record.value(QStringLiteral("pictures")).toArray()) {
        const QJsonObject picture = value.toObject();
        web.insert(picture.value(QStringLiteral("name")).toString(),
            QImage(album.filePath(picture.value(QStringLiteral("web")).toString())));
    }
    QStringList faults;
    if (web.keys() != mixedFolderPictures())
        faults += QStringLiteral("the album holds ") + web.keys().join(QStringLiteral(", "));
    // The PNG named .jpg is the photograph as it is; the others are it turned.
    const QImage upright = web.value(QStringLiteral("screenshot.jpg"));
    if (upright.size() != QSize(180, 120))
        faults += QStringLiteral("screenshot.jpg is not 180 x 120");
    for (const QString &name : { QStringLiteral("Shot.PNG"),
             QStringLiteral("saved.WEBP"),
             QStringLiteral("scan.TIF"),
             QStringLiteral("scan2.tiff") }) {
        if (meanDifference(web.value(name), upright) >= 10)
            faults += name + QStringLiteral(" is not upright");
    }
    if (web.value(QStringLiteral("IMG_0001.JPEG")).size() != QSize(1800, 1200))
        faults += QStringLiteral("IMG_0001.JPEG is not upright");
    return faults;
}

FileSizeLimit::FileSizeLimit(long long bytes)
{
    rlimit limit;
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_savedCurrent = limit.rlim_cur;
    // Without this the process would be killed by the signal instead of seeing the error.
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit;
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0) {
        limit.rlim_cur = static_cast<rlim_t>(m_savedCurrent);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::signal(SIGXFSZ, m_savedHandler);
}

} // namespace quorvel::test
