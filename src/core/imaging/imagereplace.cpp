// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/imagereplace.h"

#include "platform/atomicfile.h"
#include "platform/fileidentity.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <new>
#include <system_error>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#endif

namespace quorvel
{
namespace
{

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

/// A key that is equal for two spellings of one existing file; a file that does not
/// exist yet is keyed by its cleaned absolute path.
QString fileKey(const QString &path)
{
    const QString identity = fileIdentity(path);
    if (!identity.isEmpty())
        return identity;
    return QStringLiteral("path:") + QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

/// Appends lines, at most maxLines of them, and the count of the rest.
void appendCapped(QString &text, const QStringList &lines, int maxLines)
{
    const int shown = std::min<int>(lines.size(), std::max(1, maxLines));
    for (int i = 0; i < shown; ++i)
        text += lines[i] + QStringLiteral("\r\n");
    if (lines.size() > shown)
        text += QCoreApplication::translate("quorvel::ImageReplace", "... and %1 more").arg(lines.size() - shown)
            + QStringLiteral("\r\n");
}

/// Copies source into a new temporary file in target's folder, with the permissions
/// of target (or of source when target does not exist). Returns the error, or an
/// empty string and the temporary file's path.
QString stageCopy(const QString &source, const QString &target, QString *stagedPath)
{
    const auto failed = [&](const QString &reason) {
        return QCoreApplication::translate("quorvel::ImageReplace", "\"%1\" could not be copied to \"%2\": %3.")
            .arg(native(source), native(target), reason);
    };
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return failed(in.errorString());
    // Named as the program's other temporary files, so that a later run removes it when
    // this one is killed before the rename (see removeLeftoverTemporaryFiles).
    QTemporaryFile out(QFileInfo(target).absoluteDir().filePath(
        QStringLiteral(".quorvel-%1-XXXXXX.tmp").arg(QCoreApplication::applicationPid())));
    out.setAutoRemove(true); // until the copy is complete
    if (!out.open())
        return failed(out.errorString());
    constexpr qint64 kChunk = 1 << 20;
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(buffer.data(), kChunk);
        if (got < 0)
            return failed(in.errorString());
        if (got == 0)
            break;
        if (out.write(buffer.constData(), got) != got)
            return failed(out.errorString());
    }
    if (!out.flush())
        return failed(out.errorString());
#ifdef Q_OS_UNIX
    // The data must be on the disk before the rename makes it the picture.
    if (::fsync(out.handle()) != 0)
        return failed(
            QCoreApplication::translate("quorvel::ImageReplace", "the data could not be written to the disk"));
#endif
    if (out.size() != in.size())
        return failed(QCoreApplication::translate("quorvel::ImageReplace", "the copy is incomplete"));
    const QString permissionsFrom = QFileInfo::exists(target) ? target : source;
    out.setPermissions(QFile::permissions(permissionsFrom));
    out.close();
    out.setAutoRemove(false);
    *stagedPath = out.fileName();
    return {};
}

/// Renames a complete temporary file over its target in one step: the target is
/// either the old picture or the new one, never a part of either.
QString commitCopy(const QString &staged, const QString &target)
{
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) == 0)
        return {};
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
#else
    std::error_code error;
    std::filesystem::rename(
        std::filesystem::path(staged.toStdWString()), std::filesystem::path(target.toStdWString()), error);
    if (!error)
        return {};
    const QString reason = QString::fromStdString(error.message());
#endif
    QFile::remove(staged);
    return QCoreApplication::translate("quorvel::ImageReplace", "\"%1\" could not be replaced: %2.")
        .arg(native(target), reason);
}

} // namespace

QList<ReplaceStep> planImageReplace(const ImageReplaceRequest &request)
{
    QList<ReplaceStep> plan;
    plan.reserve(request.sources.size());
    QSet<QString> sourceKeys;
    QSet<QString> targetKeys;
    for (int k = 0; k < request.sources.size(); ++k) {
        ReplaceStep step;
        step.source = joinPath(request.sourceFolder, request.sources[k]);
        if (k < request.destEntries.size()) {
            step.target = joinPath(request.destFolder, request.destEntries[k]);
            step.destIndex = k;
        } else {
            step.target = joinPath(request.destFolder, fileNameOf(step.source));
        }
        step.targetName = fileNameOf(step.target);
        step.thumbnail = joinPath(request.thumbFolder, step.targetName);
        const QString sourceKey = fileKey(step.source);
        const QString targetKey = fileKey(step.target);
        step.sameFile = sourceKey == targetKey;
        step.duplicateTarget = targetKeys.contains(targetKey);
        sourceKeys.insert(sourceKey);
        if (!step.duplicateTarget)
            targetKeys.insert(targetKey);
        plan.append(step);
    }
    // Thumbnails are checked against the whole run: a thumbnail folder that is the
    // source or the destination folder would put thumbnails over the pictures, those
    // of the run and any other picture already there.
    const QString thumbFolderKey = fileKey(request.thumbFolder);
    const bool thumbsAmongPictures =
        thumbFolderKey == fileKey(request.sourceFolder) || thumbFolderKey == fileKey(request.destFolder);
    for (ReplaceStep &step : plan) {
        const QString key = fileKey(step.thumbnail);
        step.thumbnailRefused = sourceKeys.contains(key) || targetKeys.contains(key)
            || (thumbsAmongPictures && QFileInfo::exists(step.thumbnail));
    }
    return plan;
}

QString replacementListText(const QList<ReplaceStep> &plan, int maxLines)
{
    if (plan.isEmpty())
        return {};
    QStringList lines;
    int refused = 0;
    for (const ReplaceStep &step : plan) {
        const QString sourceName = fileNameOf(step.source);
        if (step.duplicateTarget)
            lines += QCoreApplication::translate(
                "quorvel::ImageReplace", "%1: left out, an earlier picture is copied under that name")
                         .arg(sourceName);
        else if (step.sameFile)
            lines += QCoreApplication::translate("quorvel::ImageReplace", "%1: already in place").arg(step.targetName);
        else if (step.destIndex >= 0)
            lines += QCoreApplication::translate("quorvel::ImageReplace", "%1 <- %2").arg(step.targetName, sourceName);
        else
            lines += QCoreApplication::translate("quorvel::ImageReplace", "%1 (added)").arg(step.targetName);
        if (step.thumbnailRefused && !step.duplicateTarget)
            ++refused;
    }
    QString text = QCoreApplication::translate("quorvel::ImageReplace", "Pictures in \"%1\" (old name <- new picture):")
                       .arg(native(QFileInfo(plan.first().target).path()))
        + QStringLiteral("\r\n");
    appendCapped(text, lines, maxLines);
    text += QCoreApplication::translate("quorvel::ImageReplace", "Thumbnails go to \"%1\".")
                .arg(native(QFileInfo(plan.first().thumbnail).path()));
    if (refused > 0) {
        text += QStringLiteral("\r\n")
            + QCoreApplication::translate("quorvel::ImageReplace",
                "%n of them will not be written: each would replace a picture.",
                nullptr,
                refused);
    }
    return text;
}

ImageReplaceOutcome runImageReplace(AppState &state,
    const QList<ReplaceStep> &plan,
    const ReplaceThumbnailWriter &writeThumbnail,
    const ReplaceProgress &progress)
{
    ImageReplaceOutcome outcome;
    struct Staged {
        QString temp;
        QString target;
    };
    QList<Staged> staged;
    const auto discardStaged = [&] {
        for (const Staged &copy : staged)
            QFile::remove(copy.temp);
    };

    // What runs killed part way left behind in the folders this run writes to.
    QSet<QString> folders;
    for (const ReplaceStep &step : plan)
        folders << QFileInfo(step.target).absolutePath() << QFileInfo(step.thumbnail).absolutePath();
    for (const QString &folder : std::as_const(folders))
        removeLeftoverTemporaryFiles(folder);

    const int total = static_cast<int>(plan.size());
    for (int i = 0; i < total; ++i) {
        if (progress && !progress(i, total)) {
            discardStaged();
            outcome.cancelled = true;
            return outcome;
        }
        const ReplaceStep &step = plan[i];
        state.picturePath = step.source;
        state.pictureName = fileNameOf(step.source);
        if (step.duplicateTarget) {
            outcome.skippedDuplicates += step.source;
            continue;
        }
        // A picture that needs more memory than there is fails alone, not the run.
        const auto outOfMemory = [](const QString &path) {
            return QCoreApplication::translate(
                "quorvel::ImageReplace", "\"%1\": There is not enough memory for this picture.")
                .arg(native(path));
        };
        if (step.thumbnailRefused) {
            outcome.refusedThumbnails += step.thumbnail;
        } else {
            QString error;
            try {
                error = writeThumbnail(step.source, step.thumbnail);
            } catch (const std::bad_alloc &) {
                error = outOfMemory(step.source);
            }
            if (error.isEmpty())
                ++outcome.thumbnails;
            else
                outcome.failures += { step.thumbnail, error };
        }
        if (step.sameFile)
            continue;
        QString temp;
        QString error;
        try {
            error = stageCopy(step.source, step.target, &temp);
        } catch (const std::bad_alloc &) {
            error = outOfMemory(step.source);
        }
        if (!error.isEmpty())
            outcome.failures += { step.target, error };
        else
            staged += { temp, step.target };
    }
    if (progress)
        progress(total, total);

    // Every source has been read: now the copies replace their targets.
    for (const Staged &copy : staged) {
        if (const QString error = commitCopy(copy.temp, copy.target); error.isEmpty())
            ++outcome.copied;
        else
            outcome.failures += { copy.target, error };
    }
    return outcome;
}

QString imageReplaceProblems(const ImageReplaceOutcome &outcome)
{
    constexpr int kMaxLines = 15;
    QStringList paragraphs;
    // A heading, then the files, at most kMaxLines of them.
    const auto addList = [&](const QString &heading, const QStringList &paths) {
        if (paths.isEmpty())
            return;
        QString text = heading + QStringLiteral("\r\n");
        QStringList lines;
        for (const QString &path : paths)
            lines += native(path);
        appendCapped(text, lines, kMaxLines);
        paragraphs += text;
    };
    addList(QCoreApplication::translate("quorvel::ImageReplace",
                "These thumbnails were not written, because each would have replaced a picture in the "
                "folder of the new pictures or in the folder being replaced (choose a thumbnail folder "
                "of their own):"),
        outcome.refusedThumbnails);
    addList(
        QCoreApplication::translate("quorvel::ImageReplace",
            "These pictures were not copied, because an earlier picture of the run was copied under the same name:"),
        outcome.skippedDuplicates);
    if (!outcome.failures.isEmpty()) {
        QString text = QCoreApplication::translate(
                           "quorvel::ImageReplace", "These files could not be written; the old ones are unchanged:")
            + QStringLiteral("\r\n");
        QStringList lines;
        for (const ReplaceFailure &failure : outcome.failures) {
            const QString path = native(failure.path);
            lines += failure.error.contains(path) ? failure.error : path + QStringLiteral(": ") + failure.error;
        }
        appendCapped(text, lines, kMaxLines);
        paragraphs += text;
    }
    QString text = paragraphs.join(QStringLiteral("\r\n"));
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text;
}

std::optional<int> replacePreviewTwips(std::int16_t defaultSide)
{
    if (defaultSide <= 0)
        return std::nullopt;
    return std::min(int(defaultSide) * 10, 32767);
}

} // namespace quorvel
