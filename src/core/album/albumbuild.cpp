// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/albumbuild.h"

#include "album/albumplan.h"
#include "imaging/exiforientation.h"
#include "imaging/jpegcodec.h"
#include "imaging/resample.h"
#include "imaging/thumbnailer.h"
#include "platform/atomicfile.h"
#include "platform/fileidentity.h"
#include "platform/paths.h"
#include "platform/plainfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <new>
#include <optional>
#include <thread>
#include <tuple>

namespace quorvel::album
{
namespace
{

constexpr auto kProgressInterval = std::chrono::milliseconds(40);
// A warning names this many foreign files and counts the rest.
constexpr int kFilesNamed = 10;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

/// Every file below the album folder (hidden ones too, symbolic links not followed),
/// as relative paths with "/", the record left out. The temporary files that writes of
/// a killed build left in its folders are deleted first (and counted in *deleted).
QSet<QString> filesBelow(const QString &folder, int *deleted)
{
    *deleted += removeLeftoverTemporaryFiles(folder);
    QDirIterator folders(folder, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (folders.hasNext()) {
        const QString path = folders.next();
        if (!folders.fileInfo().isSymLink())
            *deleted += removeLeftoverTemporaryFiles(path);
    }
    QSet<QString> files;
    const QDir root(folder);
    QDirIterator it(
        folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = root.relativeFilePath(it.next());
        if (relative != QLatin1String(kManifestName))
            files.insert(relative);
    }
    return files;
}

QString notEnoughMemory()
{
    return QCoreApplication::translate("Album", "There is not enough memory to make the files of this picture.");
}

QSize fitHeight(QSize size, int height)
{
    if (size.height() <= height)
        return size;
    return QSize(std::max(1, int(std::lround(double(size.width()) * height / size.height()))), height);
}

QString cameraOf(const exif::PictureInfo &info)
{
    if (info.model.isEmpty())
        return info.make;
    // "Canon" + "Canon EOS D60" is "Canon EOS D60"; "OLYMPUS IMAGING CORP." + "E-P3" is
    // "OLYMPUS E-P3".
    const QStringList make = info.make.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const bool named = std::any_of(make.begin(), make.end(), [&](const QString &word) {
        return info.model.contains(word, Qt::CaseInsensitive);
    });
    return named || make.isEmpty() ? info.model : make.first() + QLatin1Char(' ') + info.model;
}

QString stemOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

/// The shared state of one build: what the workers need and what they report.
class Build
{
public:
    Build(const AlbumRequest &request, const FileSettings &settings, const Manifest *previous)
        : m_options(request.options.clamped())
        , m_settings(settings)
        , m_previous(previous)
        , m_album(request.albumFolder)
    {
    }

    struct Result {
        ManifestPicture entry;
        QString error;
        bool unreadable = false; ///< the error is the picture's: it could not be read
        bool made = false;
        bool done = false;
    };

    /// Records the files the build is about to write before the first of them is
    /// written, so that a build stopped halfway leaves them owned. Thread-safe.
    QString prepare(const QStringList &pending)
    {
        std::lock_guard lock(m_prepareMutex);
        if (m_prepared)
            return m_prepareError;
        m_prepared = true;
        Manifest record = m_previous ? *m_previous : Manifest();
        if (!m_previous)
            record.settings = m_settings;
        record.pending += pending;
        record.pending.removeDuplicates();
        m_prepareError = writeFileAtomically(joinPath(m_album, QLatin1String(kManifestName)), record.toJson());
        for (const char *folder : { "thumbs", "web", "originals" }) {
            if (m_prepareError.isEmpty() && (qstrcmp(folder, "originals") != 0 || m_options.copyOriginals)
                && !QDir(m_album).mkpath(QLatin1String(folder)))
                m_prepareError = QCoreApplication::translate("Album", "The folder \"%1\" could not be made.")
                                     .arg(native(joinPath(m_album, QLatin1String(folder))));
        }
        if (m_prepareError.isEmpty())
            ++m_filesWritten;
        m_pending = record.pending;
        return m_prepareError;
    }

    bool prepared() const
    {
        return m_prepared && m_prepareError.isEmpty();
    }
    QStringList pending() const
    {
        return m_pending;
    }
    int filesWritten() const
    {
        return m_filesWritten;
    }

    /// Makes (or checks) one picture; runs on a worker thread. A picture that needs more
    /// memory than there is fails alone.
    Result work(const SourceFile &source, const PicturePlan &plan, const QStringList &pending)
    {
        try {
            return make(source, plan, pending);
        } catch (const std::bad_alloc &) {
            return failed(source, notEnoughMemory(), true);
        }
    }

private:
    Result make(const SourceFile &source, const PicturePlan &plan, const QStringList &pending)
    {
        // The file is read piece by piece to hash it and then again by its decoder as far
        // as that needs: memory does not grow with the file. Hashed first: a file changed
        // in between is recorded with a hash of its earlier bytes, so the next build
        // compares it and makes it anew.
        QString error;
        const std::optional<quint64> hash = fileContentHash(source.path, &error);
        if (!hash)
            return failed(source, error, true);
        const QString hashText = QString::number(*hash, 16).rightJustified(16, QLatin1Char('0'));
        const ManifestPicture *before = plan.previous >= 0 ? &m_previous->pictures[plan.previous] : nullptr;
        Result result;
        if (before && plan.work != PictureWork::Make && hashText == before->hash) {
            result.entry = *before;
            result.entry.modified = source.modified;
        } else {
            result.entry = plan.names;
            result.entry.size = source.size;
            result.entry.modified = source.modified;
            result.entry.hash = hashText;
            std::vector<std::pair<QString, QByteArray>> files;
            bool unreadable = false;
            if (const QString reason = makeFiles(source.path, result.entry, files, &unreadable); !reason.isEmpty())
                return failed(source, reason, unreadable);
            if (const QString reason = prepare(pending); !reason.isEmpty())
                return failed(source, reason);
            for (const auto &[name, bytes] : files) {
                if (const QString reason = write(name, bytes); !reason.isEmpty())
                    return failed(source, reason);
            }
            result.made = true;
        }
        if (m_options.copyOriginals && (result.made || plan.copyOriginal)) {
            result.entry.original = plan.names.original;
            if (QString reason = prepare(pending);
                !reason.isEmpty() || !(reason = copy(source.path, result.entry.original)).isEmpty())
                return failed(source, reason);
        }
        result.done = true;
        return result;
    }

    Result failed(const SourceFile &source, const QString &error, bool unreadable = false)
    {
        Result result;
        result.error = QStringLiteral("\"%1\": %2").arg(native(source.path), error);
        result.unreadable = unreadable;
        result.done = true;
        return result;
    }

    QString write(const QString &relative, const QByteArray &bytes)
    {
        const QString error = writeFileAtomically(joinPath(m_album, relative), bytes, Durability::Deferred);
        if (error.isEmpty())
            ++m_filesWritten;
        return error;
    }

    /// Copies a picture file into the album piece by piece, through a temporary file.
    QString copy(const QString &from, const QString &relative)
    {
        constexpr qint64 kPiece = qint64(1) << 20;
        const QString path = joinPath(m_album, relative);
        QFile source(from);
        if (!source.open(QIODevice::ReadOnly))
            return QCoreApplication::translate("Album", "The file cannot be opened: %1.").arg(source.errorString());
        AtomicFile target(path);
        QByteArray piece(kPiece, Qt::Uninitialized);
        bool written = target.open();
        for (qint64 got = 0; written && (got = source.read(piece.data(), kPiece)) != 0;) {
            if (got < 0)
                return QCoreApplication::translate("Album", "The file cannot be read: %1.").arg(source.errorString());
            written = target.write(piece.constData(), got) == got;
        }
        if (!written || !target.commit(Durability::Deferred))
            return QCoreApplication::translate("Album", "Could not write \"%1\": %2.")
                .arg(native(path), target.errorString());
        ++m_filesWritten;
        return {};
    }

    /// Decodes once, at the DCT scale the web size needs, and derives the three files
    /// from the web-size copy. *unreadable: the picture itself could not be decoded.
    QString makeFiles(const QString &path,
        ManifestPicture &entry,
        std::vector<std::pair<QString, QByteArray>> &files,
        bool *unreadable)
    {
        // The web-size copy as a thumbnail of that size: a JPEG is decoded at the DCT
        // scale the size needs and reduced before its colour conversion and turn upright.
        ImageSettings webCopy;
        webCopy.boxSize = m_options.webSize;
        webCopy.dctMethod = 0; // the accurate integer transform: these pictures are looked at large
        webCopy.fancyUpsampling = true;
        const DecodedPicture decoded = Thumbnailer::reduced(path, webCopy);
        if (!decoded.ok()) {
            *unreadable = true;
            return decoded.error;
        }
        const QImage &web = decoded.image;
        const QSize webSize = web.size();
        const QSize size2x = fitHeight(webSize, 2 * m_options.thumbHeight);
        const QSize size1x = fitHeight(webSize, m_options.thumbHeight);
        const QImage thumb2x = size2x == webSize ? web : resample::scaled(web, size2x, resample::Filter::Lanczos3);
        const QImage thumb1x =
            size1x == size2x ? thumb2x : resample::scaled(thumb2x, size1x, resample::Filter::Lanczos3);
        if (thumb2x.isNull() || thumb1x.isNull()) {
            *unreadable = true; // as when its decoder runs out of memory
            return notEnoughMemory();
        }

        jpeg::EncodeOptions thumbnail;
        thumbnail.quality = m_options.quality;
        thumbnail.dctMethod = 0;
        thumbnail.progressive = true;
        // The web-size copies, by far the largest to encode, in half the time for a
        // file 2% larger.
        jpeg::EncodeOptions webSized = thumbnail;
        webSized.spectralScansOnly = true;
        const std::tuple<QString, const QImage *, const jpeg::EncodeOptions *> outputs[] = {
            { entry.web, &web, &webSized },
            { entry.thumb2x, &thumb2x, &thumbnail },
            { entry.thumb1x, &thumb1x, &thumbnail },
        };
        for (const auto &[name, image, encoding] : outputs) {
            if (name == entry.thumb2x && size2x == size1x)
                continue; // too small for two thumbnails: one serves both
            QString error;
            QByteArray bytes = jpeg::encode(*image, *encoding, &error);
            if (bytes.isEmpty())
                return error;
            files.emplace_back(name, std::move(bytes));
        }
        if (size2x == size1x)
            entry.thumb2x = entry.thumb1x;
        entry.webSize = webSize;
        entry.thumbSize = size1x;

        const exif::PictureInfo info = exif::pictureInfo(decoded.exif);
        entry.title = info.title;
        entry.taken = info.taken.isValid() ? info.taken.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QString();
        entry.camera = cameraOf(info);
        return {};
    }

    const AlbumOptions m_options;
    const FileSettings m_settings;
    const Manifest *m_previous;
    const QString m_album;

    std::mutex m_prepareMutex;
    bool m_prepared = false;
    QString m_prepareError;
    QStringList m_pending;
    std::atomic<int> m_filesWritten = 0;
};

/// Runs work(i) for every index on worker threads, largest first as order gives them,
/// reporting to progress between; returns false when progress cancelled the run (the
/// work under way is finished, nothing new is started).
bool runOnWorkers(int count, int jobs, const std::function<void(int)> &work, const AlbumProgress &progress)
{
    std::atomic<int> next = 0;
    std::atomic<bool> stop = false;
    std::mutex mutex;
    std::condition_variable changed;
    int done = 0;
    const int workers = std::max(1, std::min(jobs, count));
    int running = workers; // counted down by the workers as they end, maybe before the last starts
    if (progress && !progress(0, count))
        return false;
    if (count == 0)
        return true;
    std::vector<std::thread> threads;
    for (int t = 0; t < workers; ++t) {
        threads.emplace_back([&] {
            for (int i = next++; i < count && !stop; i = next++) {
                work(i);
                std::lock_guard lock(mutex);
                ++done;
                changed.notify_all();
            }
            std::lock_guard lock(mutex);
            --running;
            changed.notify_all();
        });
    }
    bool cancelled = false;
    {
        std::unique_lock lock(mutex);
        while (running > 0) {
            changed.wait_for(lock, kProgressInterval);
            if (progress && !cancelled) {
                const int doneNow = done;
                lock.unlock();
                cancelled = !progress(doneNow, count);
                lock.lock();
                if (cancelled)
                    stop = true;
            }
        }
    }
    for (std::thread &thread : threads)
        thread.join();
    if (progress && !cancelled)
        progress(count, count);
    return !cancelled;
}

bool pageOrder(const ManifestPicture &a, const ManifestPicture &b, SortOrder sort)
{
    if (sort == SortOrder::CaptureDate && a.taken != b.taken) {
        if (a.taken.isEmpty() || b.taken.isEmpty())
            return b.taken.isEmpty();
        return a.taken < b.taken;
    }
    return naturalLess(a.name, b.name);
}

/// Writes bytes to an album file unless it already holds them; counts what it wrote.
QString writeIfChanged(const QString &path, const QByteArray &bytes, int *written)
{
    const std::optional<QByteArray> present = readPlainFile(path);
    if (present && *present == bytes)
        return {};
    const QString error = writeFileAtomically(path, bytes);
    if (error.isEmpty())
        ++*written;
    return error;
}

QString namedList(const QStringList &files)
{
    QStringList named = files.mid(0, kFilesNamed);
    QString text = named.join(QStringLiteral(", "));
    if (files.size() > kFilesNamed)
        text += QCoreApplication::translate("Album", " and %1 more").arg(files.size() - kFilesNamed);
    return text;
}

} // namespace

PageInput pageInput(const Manifest &manifest, const AlbumOptions &options, const QString &defaultTitle)
{
    PageInput input;
    input.title = options.title.trimmed().isEmpty() ? defaultTitle : options.title.trimmed();
    input.intro = options.intro;
    input.footer = options.footer;
    std::vector<const ManifestPicture *> order;
    for (const ManifestPicture &picture : manifest.pictures)
        order.push_back(&picture);
    std::stable_sort(order.begin(), order.end(), [&](const ManifestPicture *a, const ManifestPicture *b) {
        return pageOrder(*a, *b, options.sort);
    });
    const QLocale english(QLocale::English);
    for (const ManifestPicture *picture : order) {
        PageEntry entry;
        entry.thumb1x = picture->thumb1x;
        entry.thumb2x = picture->thumb2x;
        entry.thumbWidth = picture->thumbSize.width();
        entry.thumbHeight = picture->thumbSize.height();
        entry.web = picture->web;
        entry.webWidth = picture->webSize.width();
        entry.webHeight = picture->webSize.height();
        entry.original = picture->original;
        entry.alt = picture->title.isEmpty() ? stemOf(picture->name) : picture->title;
        if (options.captions) {
            QStringList parts;
            const QDateTime taken = QDateTime::fromString(picture->taken, Qt::ISODate);
            if (taken.isValid())
                parts += english.toString(taken.date(), QStringLiteral("d MMMM yyyy"));
            if (!picture->camera.isEmpty())
                parts += picture->camera;
            entry.caption = parts.join(QStringLiteral(", "));
        }
        input.entries.push_back(std::move(entry));
    }
    return input;
}

AlbumOutcome buildAlbum(const AlbumRequest &request, const AlbumProgress &progress)
{
    AlbumOutcome outcome;
    outcome.total = int(request.pictures.size());
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    const AlbumOptions options = request.options.clamped();
    const QString album = QDir::cleanPath(QFileInfo(request.albumFolder).absoluteFilePath());
    const QString recordPath = joinPath(album, QLatin1String(kManifestName));
    outcome.indexPath = joinPath(album, QLatin1String(kIndexName));
    const auto refuse = [&](const QString &why) {
        outcome.result = AlbumOutcome::Result::Refused;
        outcome.refusal = why;
        return outcome;
    };

    if (!request.sourceFolder.isEmpty() && isSameFile(album, request.sourceFolder))
        return refuse(QCoreApplication::translate("Album",
            "The album cannot be made in the folder of its pictures. Choose another folder for it, "
            "for example a new one beside them."));
    if (QFileInfo(album).exists() && !QFileInfo(album).isDir())
        return refuse(QCoreApplication::translate("Album", "\"%1\" is a file, not a folder; the album was not made.")
                          .arg(native(album)));
    if (!QDir().mkpath(album))
        return refuse(
            QCoreApplication::translate("Album", "The album folder \"%1\" could not be made.").arg(native(album)));

    std::optional<Manifest> previous;
    if (QFileInfo::exists(recordPath)) {
        QString reason;
        const std::optional<QByteArray> bytes = readPlainFile(recordPath, &reason);
        if (bytes)
            previous = Manifest::fromJson(*bytes, &reason);
        if (!previous)
            return refuse(QCoreApplication::translate("Album",
                "The album's record \"%1\" cannot be used: %2 Nothing in the folder was changed; "
                "choose an empty folder for the album, or empty this one.")
                              .arg(native(recordPath), reason));
    }

    const QSet<QString> present = filesBelow(album, &outcome.filesDeleted);
    std::vector<SourceFile> sources;
    QList<std::pair<int, AlbumFailure>> unread; // failures before the plan, by request index
    for (int i = 0; i < outcome.total; ++i) {
        const QString &path = request.pictures[i];
        const QFileInfo info(path);
        if (!info.isFile()) {
            unread.append({ i,
                { path,
                    QStringLiteral("\"%1\": %2")
                        .arg(native(path),
                            info.exists() ? QCoreApplication::translate(
                                "Album", "This is not a picture file but a folder or a device.")
                                          : QCoreApplication::translate("Album", "The file does not exist.")),
                    true } });
            continue;
        }
        sources.push_back({ path, info.fileName(), info.size(), info.lastModified().toMSecsSinceEpoch() });
    }

    FileSettings settings;
    settings.webSize = options.webSize;
    settings.quality = options.quality;
    settings.thumbHeight = options.thumbHeight;
    const AlbumPlan plan =
        planAlbum(previous ? &*previous : nullptr, sources, settings, options.copyOriginals, present);

    // Nothing the album would write may replace a file that is not its own.
    const std::vector<PageFile> assets = pageAssets();
    QStringList pageFiles { QLatin1String(kIndexName) };
    for (const PageFile &asset : assets)
        pageFiles += asset.name;
    // What the build may write that the record does not name yet: recorded as pending
    // before the first of it is written, so that the album stays the album's whatever
    // stops the build (a full disk, a kill) and the next build may write over it.
    const QSet<QString> owned = previous ? previous->ownFiles() : QSet<QString>();
    QStringList pending;
    for (const PicturePlan &picture : plan.pictures) {
        if (picture.work != PictureWork::Keep || picture.copyOriginal)
            pending += picture.names.files();
    }
    const QStringList targets = pageFiles + pending;
    const bool pageOwned = std::all_of(pageFiles.begin(), pageFiles.end(), [&](const QString &file) {
        return owned.contains(file);
    });
    if (!pageOwned)
        pending += pageFiles;
    const QSet<QString> foreign(plan.foreign.begin(), plan.foreign.end());
    QStringList blocking;
    for (const QString &target : targets) {
        if (foreign.contains(target))
            blocking += native(target);
    }
    if (!blocking.isEmpty())
        return refuse(QCoreApplication::translate("Album",
            "The album folder \"%1\" already holds %2, which this program did not make there. "
            "Nothing was changed; choose an empty folder for the album.")
                          .arg(native(album), namedList(blocking)));

    // The pictures that need reading, largest first: a large one taken last would keep
    // one worker busy while the others have nothing left to do.
    std::vector<int> toRead;
    for (int i = 0; i < int(plan.pictures.size()); ++i) {
        if (plan.pictures[i].work != PictureWork::Keep || plan.pictures[i].copyOriginal)
            toRead.push_back(i);
    }
    std::stable_sort(toRead.begin(), toRead.end(), [&](int a, int b) {
        return sources[plan.pictures[a].source].size > sources[plan.pictures[b].source].size;
    });
    Build build(request, settings, previous ? &*previous : nullptr);
    std::vector<Build::Result> results(plan.pictures.size());
    const int jobs = request.jobs > 0 ? request.jobs : QThread::idealThreadCount();
    const bool finished = runOnWorkers(
        int(toRead.size()),
        jobs,
        [&](int i) {
            const PicturePlan &picture = plan.pictures[toRead[i]];
            results[toRead[i]] = build.work(sources[picture.source], picture, pending);
        },
        progress);
    if (build.prepared())
        syncFileSystemOf(album);

    // The new record: what is done, what was current, and for what was not reached
    // (a cancelled build) the previous files while they are all there.
    Manifest record;
    record.settings = settings;
    record.builtAt = started;
    QHash<QString, AlbumFailure> failures;
    for (const QString &path : plan.duplicates)
        failures.insert(path,
            { path,
                QStringLiteral("\"%1\": %2")
                    .arg(native(path),
                        QCoreApplication::translate("Album",
                            "Another picture of this album has the same file name; only the first is in it.")) });
    for (int i = 0; i < int(plan.pictures.size()); ++i) {
        const PicturePlan &picture = plan.pictures[i];
        const ManifestPicture *before = picture.previous >= 0 ? &previous->pictures[picture.previous] : nullptr;
        const Build::Result &result = results[i];
        std::optional<ManifestPicture> entry;
        if (picture.work == PictureWork::Keep && !picture.copyOriginal) {
            entry = *before;
            ++outcome.kept;
        } else if (result.done && result.error.isEmpty()) {
            entry = result.entry;
            ++(result.made ? outcome.made : outcome.kept);
        } else if (result.done) {
            const QString &path = sources[picture.source].path;
            failures.insert(path, { path, result.error, result.unreadable });
        } else if (before) {
            const QStringList files = before->files();
            if (std::all_of(files.begin(), files.end(), [&](const QString &file) {
                    return present.contains(file);
                }))
                entry = *before;
        }
        if (!entry)
            continue;
        if (!options.copyOriginals)
            entry->original.clear();
        record.pictures.push_back(std::move(*entry));
    }
    for (const auto &[index, failure] : unread)
        failures.insert(failure.picture, failure);
    for (const QString &path : request.pictures) {
        if (failures.contains(path))
            outcome.failures.append(failures.take(path));
    }
    std::stable_sort(
        record.pictures.begin(), record.pictures.end(), [&](const ManifestPicture &a, const ManifestPicture &b) {
            return pageOrder(a, b, options.sort);
        });
    outcome.pictures = int(record.pictures.size());
    if (previous) {
        QSet<QString> now;
        for (const ManifestPicture &picture : record.pictures)
            now.insert(picture.name);
        for (const ManifestPicture &picture : previous->pictures)
            outcome.removed += now.contains(picture.name) ? 0 : 1;
    }

    // The page and its files, then the record: once it is written, it names only files
    // that exist, and the files no longer named can go.
    const QString defaultTitle = QFileInfo(request.sourceFolder).fileName().isEmpty()
        ? QCoreApplication::translate("Album", "Album")
        : QFileInfo(request.sourceFolder).fileName();
    QString pageError = pageOwned ? QString() : build.prepare(pending);
    int written = build.filesWritten();
    if (pageError.isEmpty())
        pageError = writeIfChanged(outcome.indexPath, pageHtml(pageInput(record, options, defaultTitle)), &written);
    for (const PageFile &asset : assets) {
        if (pageError.isEmpty())
            pageError = writeIfChanged(joinPath(album, asset.name), asset.bytes, &written);
    }
    outcome.pageWritten = pageError.isEmpty();
    // Every file the album owned before and those the build was about to write.
    QSet<QString> claimed = owned;
    const QStringList pendingFiles = build.pending();
    claimed.unite(QSet<QString>(pendingFiles.begin(), pendingFiles.end()));
    if (outcome.pageWritten) {
        record.pageFiles = pageFiles;
    } else {
        // The page there (if any) is not this record's, and may show files this record
        // no longer names: it and they stay the album's, as pending, and nothing is
        // deleted; the next build writes the page and then deletes what it does not use.
        // Every file there is the album's: one of the user's would have refused the build.
        QSet<QString> kept = claimed;
        kept.unite(QSet<QString>(pageFiles.begin(), pageFiles.end()));
        kept.subtract(record.ownFiles());
        for (const QString &file : kept) {
            if (QFileInfo::exists(joinPath(album, file)))
                record.pending += file;
        }
        record.pending.sort();
    }
    // A record that says what the one on disk says is not written again (builtAt aside).
    Manifest compared = record;
    compared.builtAt = previous ? previous->builtAt : 0;
    const bool recordChanged = !previous || build.prepared() || compared.toJson() != previous->toJson();
    QString recordError;
    if (recordChanged) {
        recordError = writeFileAtomically(recordPath, record.toJson());
        if (recordError.isEmpty())
            ++written;
    }
    outcome.filesWritten = written;
    outcome.error = !pageError.isEmpty() ? pageError : recordError;

    if (recordError.isEmpty()) {
        QSet<QString> obsolete = claimed;
        obsolete.subtract(record.ownFiles());
        const QString canonicalAlbum = QFileInfo(album).canonicalFilePath();
        QStringList undeleted;
        for (const QString &file : obsolete) {
            const QFileInfo info(joinPath(album, file));
            if (!info.exists() && !info.isSymLink())
                continue;
            // Never through a folder that leads out of the album (a link put in its place).
            const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
            if (!(folder == canonicalAlbum || folder.startsWith(canonicalAlbum + QLatin1Char('/')))
                || !QFile::remove(info.filePath()))
                undeleted += native(file);
            else
                ++outcome.filesDeleted;
        }
        if (!undeleted.isEmpty())
            outcome.warnings += QCoreApplication::translate(
                "Album", "These files of the album are no longer used but could not be deleted: %1.")
                                    .arg(namedList(undeleted));
        if (!options.copyOriginals)
            QDir(album).rmdir(QStringLiteral("originals")); // only when empty
    }
    if (!plan.foreign.isEmpty())
        outcome.warnings += QCoreApplication::translate(
            "Album", "The album folder holds files this program did not make; they were left as they are: %1.")
                                .arg(namedList(plan.foreign));
    if (!finished)
        outcome.result = AlbumOutcome::Result::Cancelled;
    return outcome;
}

} // namespace quorvel::album
