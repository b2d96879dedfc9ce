// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery/creationrun.h"

#include "gallery/gallerywriter.h"
#include "gallery/logopictures.h"
#include "gallery/uptodate.h"
#include "imaging/thumbnailer.h"
#include "platform/atomicfile.h"
#include "platform/fileidentity.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <stop_token>
#include <thread>
#include <vector>

namespace quorvel
{
namespace
{

constexpr auto kProgressInterval = std::chrono::milliseconds(40);

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool sameFolder(const QString &a, const QString &b)
{
    return a == b || isSameFile(a, b);
}

/// One unit of work for a worker: the pictures that share a thumbnail path, in list
/// order, so a later picture replaces an earlier one's thumbnail as it would one
/// after another.
struct Task {
    std::vector<int> pictures;
    qint64 bytes = 0; // the size of its picture files
};

/// The shared state of one run. Workers take tasks by an atomic counter and only
/// touch their own pictures' slots; the lock guards the completion flags.
class Work
{
public:
    Work(const CreationRequest &request, std::vector<QString> targets, std::vector<QString> refusals)
        : m_request(request)
        , m_targets(std::move(targets))
        , m_errors(std::move(refusals))
        , m_unreadable(m_targets.size(), 0)
        , m_current(m_targets.size(), 0)
        , m_done(m_targets.size(), 0)
    {
        QHash<QString, int> taskOf;
        for (int i = 0; i < int(m_targets.size()); ++i) {
            const QString key = QDir::cleanPath(QFileInfo(m_targets[i]).absoluteFilePath());
            const auto found = taskOf.constFind(key);
            if (found != taskOf.constEnd()) {
                m_tasks[*found].pictures.push_back(i);
            } else {
                taskOf.insert(key, int(m_tasks.size()));
                m_tasks.push_back(Task { { i }, 0 });
            }
        }
        // The largest pictures first: a large one taken last would keep one worker busy
        // while the others have nothing left to do. The page still lists them in order.
        for (Task &task : m_tasks) {
            for (const int index : task.pictures)
                task.bytes += QFileInfo(m_request.pictures[index]).size();
        }
        std::stable_sort(m_tasks.begin(), m_tasks.end(), [](const Task &a, const Task &b) {
            return a.bytes > b.bytes;
        });
    }

    void start(int jobs)
    {
        const int count = std::max(1, std::min(jobs, int(m_tasks.size())));
        if (m_tasks.empty())
            return;
        m_running = count;
        for (int i = 0; i < count; ++i)
            m_threads.emplace_back([this](const std::stop_token &stop) {
                workLoop(stop);
            });
    }

    /// The workers take no new picture; those under way are finished.
    void stop()
    {
        for (std::jthread &thread : m_threads)
            thread.request_stop();
    }

    /// Waits until the workers have done every picture (or stopped).
    void join()
    {
        for (std::jthread &thread : m_threads)
            thread.join();
        m_threads.clear();
    }

    /// Waits until picture index is done, all workers have ended, or the interval
    /// has passed. Returns whether it is done.
    bool waitFor(int index)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, kProgressInterval, [&] {
            return m_done[index] || m_running == 0;
        });
        return m_done[index];
    }

    bool isDone(int index)
    {
        std::lock_guard lock(m_mutex);
        return m_done[index];
    }

    bool finished()
    {
        std::lock_guard lock(m_mutex);
        return m_running == 0;
    }

    int doneCount()
    {
        std::lock_guard lock(m_mutex);
        return m_doneCount;
    }

    const QString &error(int index) const
    {
        return m_errors[index];
    }

    bool unreadable(int index) const
    {
        return m_unreadable[index];
    }

    bool wasCurrent(int index) const
    {
        return m_current[index];
    }

private:
    void workLoop(const std::stop_token &stop)
    {
        for (;;) {
            const std::size_t next = m_nextTask.fetch_add(1);
            if (stop.stop_requested() || next >= m_tasks.size())
                break;
            for (const int index : m_tasks[next].pictures) {
                // Pictures that share a thumbnail are all written: a later one replaces
                // the earlier one's, which is newer than the later picture.
                if (m_errors[index].isEmpty() && m_request.skipUpToDate && m_tasks[next].pictures.size() == 1
                    && thumbnailIsCurrent(m_request.pictures[index], m_targets[index], m_request.settings))
                    m_current[index] = 1;
                else if (m_errors[index].isEmpty())
                    makeThumbnail(index);
                std::lock_guard lock(m_mutex);
                m_done[index] = 1;
                ++m_doneCount;
                m_changed.notify_all();
            }
        }
        std::lock_guard lock(m_mutex);
        --m_running;
        m_changed.notify_all();
    }

    // A picture that needs more memory than there is fails alone, not the run.
    void makeThumbnail(int index)
    {
        const QString &picture = m_request.pictures[index];
        ThumbnailResult result;
        try {
            result = Thumbnailer::writeThumbnail(picture, m_targets[index], m_request.settings, Durability::Deferred);
        } catch (const std::bad_alloc &) {
            result = { QCoreApplication::translate(
                           "CreationRun", "\"%1\": There is not enough memory to make the thumbnail of this picture.")
                           .arg(native(picture)),
                true };
        }
        m_errors[index] = result.error;
        m_unreadable[index] = result.unreadable;
    }

    const CreationRequest &m_request;
    std::vector<QString> m_targets;
    // written by the task's worker before its done flag
    std::vector<QString> m_errors;
    std::vector<char> m_unreadable;
    std::vector<char> m_current; // likewise: the thumbnail was up to date and left alone
    std::vector<Task> m_tasks;
    std::atomic<std::size_t> m_nextTask = 0;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<char> m_done;
    int m_doneCount = 0;
    int m_running = 0;
    // Last, so it is destroyed first: however the run is left (an exception from the
    // progress callback or the page, a thread that could not be started), the workers
    // are stopped and joined while everything they touch still exists.
    std::vector<std::jthread> m_threads;
};

/// Opens the page file for writing through a temporary file; returns the reason
/// when it cannot be.
QString openPage(AtomicFile &file, const QString &path, const QString &htmlFileName, const QSet<QString> &pictures)
{
    if (htmlFileName.isEmpty())
        return QCoreApplication::translate("CreationRun",
            "The gallery page was not written: no name is set for it. Choose one with \"Code Options\".");
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate(
            "CreationRun", "The gallery page \"%1\" could not be written: a folder has that name.")
            .arg(native(path));
    if (pictures.contains(fileIdentity(path)))
        return QCoreApplication::translate(
            "CreationRun", "The gallery page \"%1\" was not written: it would replace one of the pictures.")
            .arg(native(path));
    // Every write reaches the file at once, so a full disk is an error the commit sees
    // rather than one lost in a final flush.
    if (!file.open())
        return QCoreApplication::translate("CreationRun", "The gallery page \"%1\" could not be written: %2.")
            .arg(native(path), file.errorString());
    return {};
}

} // namespace

QString sameFolderMessage()
{
    return QCoreApplication::translate("CreationRun",
        "You can NOT create thumbs in the same folder as your original pictures without \n\r"
        "renaming the thumbnail(s). Doing so would overwrite the original picture!");
}

QString prefixRefusal(const QString &prefix)
{
    if (!prefix.contains(QLatin1Char('/')) && !prefix.contains(QLatin1Char('\\')))
        return {};
    return QCoreApplication::translate("CreationRun",
        "The prefix \"%1\" holds a folder separator. A thumbnail name cannot lead into "
        "another folder; choose a prefix without \"/\" or \"\\\".")
        .arg(prefix);
}

QString thumbnailName(bool rename, const QString &prefix, const QString &pictureName)
{
    return rename ? prefix + pictureName : pictureName;
}

bool CreationOutcome::writeFailed() const
{
    return !pageError.isEmpty() || !logoError.isEmpty()
        || std::any_of(failures.cbegin(), failures.cend(), [](const CreationFailure &failure) {
               return !failure.unreadable;
           });
}

CreationOutcome runCreation(AppState &state, const CreationRequest &request, const CreationProgress &progress)
{
    CreationOutcome outcome;
    const int total = int(request.pictures.size());
    outcome.total = total;

    const bool renaming = request.rename && !request.prefix.isEmpty();
    if (!renaming && sameFolder(request.sourceFolder, request.destFolder)) {
        outcome.result = CreationOutcome::Result::Refused;
        outcome.refusal = sameFolderMessage();
        return outcome;
    }
    if (request.rename) {
        if (QString refusal = prefixRefusal(request.prefix); !refusal.isEmpty()) {
            outcome.result = CreationOutcome::Result::Refused;
            outcome.refusal = std::move(refusal);
            return outcome;
        }
    }

    // Where each thumbnail goes, and which would replace a picture of this run.
    QSet<QString> pictureIdentities;
    for (const QString &picture : request.pictures) {
        if (const QString identity = fileIdentity(picture); !identity.isEmpty())
            pictureIdentities.insert(identity);
    }
    std::vector<QString> names(total);
    std::vector<QString> targets(total);
    std::vector<QString> refusals(total);
    for (int i = 0; i < total; ++i) {
        names[i] = fileNameOf(request.pictures[i]);
        targets[i] = joinPath(request.destFolder, thumbnailName(request.rename, request.prefix, names[i]));
        if (pictureIdentities.contains(fileIdentity(targets[i])))
            refusals[i] = QCoreApplication::translate(
                "CreationRun", "\"%1\" is one of the pictures; its thumbnail was not written over it.")
                              .arg(native(targets[i]));
    }

    // What runs killed part way left behind in the folders this run writes to.
    removeLeftoverTemporaryFiles(request.destFolder);
    if (request.writePage)
        removeLeftoverTemporaryFiles(request.sourceFolder);

    GalleryWriter writer(state);
    const QString pagePath = request.writePage ? joinPath(request.sourceFolder, state.htmlFileName) : QString();
    AtomicFile page(pagePath);
    if (request.writePage) {
        outcome.pagePath = pagePath;
        outcome.pageError = openPage(page, outcome.pagePath, state.htmlFileName, pictureIdentities);
        if (outcome.pageError.isEmpty())
            writer.beginPage(&page);
    }

    const auto finishPicture = [&](int index, const Work &work) {
        ++outcome.processed;
        if (!request.dropped)
            state.picturePath = request.pictures[index];
        state.pictureName = names[index];
        if (work.wasCurrent(index))
            ++outcome.upToDate;
        else if (work.error(index).isEmpty())
            ++outcome.written;
        else
            outcome.failures.append({ request.pictures[index], work.error(index), work.unreadable(index) });
        if (writer.isOpen())
            writer.writeCell(names[index], thumbnailName(request.rename, request.prefix, names[index]));
        writer.endCell();
    };

    Work work(request, std::move(targets), std::move(refusals));
    // A run may be cancelled before its first picture.
    bool cancelled = progress && !progress(0, total);
    if (!cancelled)
        work.start(request.jobs > 0 ? request.jobs : QThread::idealThreadCount());
    int next = 0;
    auto lastReport = std::chrono::steady_clock::now();
    while (!cancelled && next < total) {
        const bool done = work.waitFor(next);
        if (done) {
            finishPicture(next, work);
            ++next;
        } else if (work.finished() && !work.isDone(next)) {
            break; // cannot happen unless stopped; never wait for nothing
        }
        const auto now = std::chrono::steady_clock::now();
        if (progress && (!done || now - lastReport >= kProgressInterval)) {
            lastReport = now;
            if (!progress(work.doneCount(), total)) {
                cancelled = true;
                work.stop();
                break;
            }
        }
    }
    work.join();
    // The thumbnails were written without waiting for the disk, one by one; they reach
    // it here, all at once.
    if (total > 0)
        syncFileSystemOf(request.destFolder);
    if (cancelled) {
        // Pictures already under way were finished; they get their cells in order.
        for (; next < total; ++next) {
            if (work.isDone(next))
                finishPicture(next, work);
        }
        outcome.result = CreationOutcome::Result::Cancelled;
    }
    if (progress && !cancelled)
        progress(total, total);

    if (writer.isOpen()) {
        writer.endPage();
        if (page.commit(Durability::Synced))
            outcome.pageWritten = true;
        else
            outcome.pageError =
                QCoreApplication::translate("CreationRun", "The gallery page \"%1\" could not be written: %2.")
                    .arg(native(outcome.pagePath), page.errorString());
    }
    if (outcome.pageWritten && !request.logoFolder.isEmpty())
        outcome.logoError =
            putLogoPicturesBesidePage(request.sourceFolder, request.logoFolder, state.headertext, state.footertext);
    if (request.writePage)
        state.pageFolder = withTrailingSeparator(request.sourceFolder);
    return outcome;
}

} // namespace quorvel
