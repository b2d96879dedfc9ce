// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-batch: the creation run of "Create Thumbs" from the command line, making
// the same thumbnails and gallery page, byte for byte, for the same inputs.
#include "album/albumbuild.h"
#include "app/translations.h"
#include "batchoptions.h"
#include "gallery/creationrun.h"
#include "imaging/decoderwarnings.h"
#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <csignal>
#include <cstdio>

namespace
{

void printLine(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

quorvel::CreationProgress progressLine(bool shown)
{
    if (!shown)
        return {};
    return [](int done, int total) {
        std::fprintf(stderr, "\r%d of %d pictures", done, total);
        std::fflush(stderr);
        return true;
    };
}

/// --album: builds or updates the web album; the exit status as for a creation run
/// (see ExitStatus).
int runAlbum(const quorvel::batch::BatchOptions &options)
{
    using namespace quorvel;
    album::AlbumRequest request;
    request.sourceFolder = options.request.sourceFolder;
    request.albumFolder = options.request.destFolder;
    request.pictures = batch::listAlbumPictures(request.sourceFolder);
    request.options = options.albumOptions;
    request.jobs = options.request.jobs;
    const album::AlbumOutcome outcome = album::buildAlbum(request, progressLine(options.progress));
    if (options.progress)
        std::fputc('\n', stderr);
    if (outcome.result == album::AlbumOutcome::Result::Refused) {
        printLine(stderr, QStringLiteral("quorvel-batch: ") + outcome.refusal);
        return batch::kRefused;
    }
    for (const album::AlbumFailure &failure : outcome.failures)
        printLine(stderr, QStringLiteral("quorvel-batch: ") + failure.error);
    for (const QString &warning : outcome.warnings)
        printLine(stderr, QStringLiteral("quorvel-batch: ") + warning);
    if (!outcome.error.isEmpty())
        printLine(stderr, QStringLiteral("quorvel-batch: ") + outcome.error);
    if (!options.quiet)
        printLine(stdout,
            QCoreApplication::translate(
                "quorvel-batch", "Album %1: %2 pictures, %3 made, %4 up to date, %5 removed, %6 failed.")
                .arg(QDir::toNativeSeparators(outcome.indexPath))
                .arg(outcome.pictures)
                .arg(outcome.made)
                .arg(outcome.kept)
                .arg(outcome.removed)
                .arg(outcome.failures.size()));
    const bool failedToWrite = std::any_of(outcome.failures.cbegin(), outcome.failures.cend(), [](const auto &failure) {
        return !failure.unreadable;
    });
    if (!outcome.error.isEmpty() || failedToWrite)
        return batch::kNotWritten;
    return outcome.failures.isEmpty() ? batch::kDone : batch::kUnreadable;
}

} // namespace

int main(int argc, char **argv)
{
#ifdef SIGXFSZ
    // Beyond a file size limit (ulimit -f) a write is to fail with its reason ("File too
    // large") and be reported, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvel-batch"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    quorvel::installTranslations();

    using namespace quorvel;
    nameDecodedPicturesInMessages();
    batch::BatchOptions options;
    const QString error = batch::parseArguments(QCoreApplication::arguments().mid(1), options);
    if (!error.isEmpty()) {
        printLine(stderr, QStringLiteral("quorvel-batch: ") + error);
        return batch::kBadOptions;
    }
    if (options.showHelp) {
        std::fputs(batch::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.showVersion) {
        printLine(stdout, QStringLiteral("quorvel-batch " QUORVEL_VERSION));
        return 0;
    }

    if (options.album)
        return runAlbum(options);

    options.request.pictures = batch::listPictures(options.request.sourceFolder);
    options.request.logoFolder = ProgramFolder::forRunningProgram().dataDir();
    const CreationOutcome outcome = runCreation(options.state, options.request, progressLine(options.progress));
    if (options.progress)
        std::fputc('\n', stderr);
    if (outcome.result == CreationOutcome::Result::Refused) {
        // The message's own line break is LF CR; on a terminal one line break will do.
        QString refusal = outcome.refusal;
        refusal.replace(QLatin1String("\n\r"), QLatin1String("\n"));
        printLine(stderr, QStringLiteral("quorvel-batch: ") + refusal);
        return batch::kRefused;
    }
    for (const CreationFailure &failure : outcome.failures)
        printLine(stderr, QStringLiteral("quorvel-batch: ") + failure.error);
    if (!outcome.pageError.isEmpty())
        printLine(stderr, QStringLiteral("quorvel-batch: ") + outcome.pageError);
    for (const QString &line : outcome.logoError.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        printLine(stderr, QStringLiteral("quorvel-batch: ") + line);
    if (!options.quiet) {
        QString summary =
            QCoreApplication::translate("quorvel-batch", "%1 thumbnails written to %2, %3 pictures failed")
                .arg(outcome.written)
                .arg(QDir::toNativeSeparators(options.request.destFolder))
                .arg(outcome.failures.size());
        if (options.request.skipUpToDate)
            summary += QCoreApplication::translate("quorvel-batch", ", %1 up to date").arg(outcome.upToDate);
        if (outcome.pageWritten)
            summary += QCoreApplication::translate("quorvel-batch", ", gallery page %1")
                           .arg(QDir::toNativeSeparators(outcome.pagePath));
        printLine(stdout, summary + QLatin1Char('.'));
    }
    if (outcome.writeFailed())
        return batch::kNotWritten;
    return outcome.failures.isEmpty() ? batch::kDone : batch::kUnreadable;
}
