// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-batch: the creation run of "Create Thumbs" from the command line, making
// the same thumbnails and gallery page, byte for byte, for the same inputs.
#include "album/albumbuild.h"
#include "album/albumsources.h"
#include "app/translations.h"
#include "batchoptions.h"
#include "gallery/creationrun.h"
#include "imaging/decoderwarnings.h"
#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace
{

void printLine(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

// Whether standard error is a terminal, where --progress may rewrite its line.
bool errorsGoToATerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

/// --progress: on a terminal one line, rewritten in place with carriage returns; into
/// a file or a pipe a plain line each time the count changes, so a log holds no
/// carriage returns.
quorvel::CreationProgress progressLine(bool shown)
{
    if (!shown)
        return {};
    return [terminal = errorsGoToATerminal(), last = -1](int done, int total) mutable {
        if (done == last)
            return true;
        last = done;
        const QString line =
            QCoreApplication::translate("quorvel-batch", "%1 of %n pictures", nullptr, total).arg(done);
        if (terminal)
            std::fputc('\r', stderr);
        std::fputs(line.toLocal8Bit().constData(), stderr);
        if (!terminal)
            std::fputc('\n', stderr);
        std::fflush(stderr);
        return true;
    };
}

// Ends the line --progress kept up to date on a terminal.
void endProgressLine(bool shown)
{
    if (shown && errorsGoToATerminal())
        std::fputc('\n', stderr);
}

/// DEST (or ALBUM) that does not exist yet is made, with the folders above it, like
/// mkdir -p, and the run says so (unless quiet). Returns false, after naming the folder
/// and the system's reason, when it cannot be made.
bool makeFolder(const QString &folder, bool quiet)
{
    if (QFileInfo::exists(folder))
        return true;
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error) {
        printLine(stderr,
            QStringLiteral("quorvel-batch: ")
                + QCoreApplication::translate("quorvel-batch", "The folder \"%1\" could not be made: %2.")
                      .arg(QDir::toNativeSeparators(folder), QString::fromLocal8Bit(error.message())));
        return false;
    }
    if (!quiet)
        printLine(stdout,
            QCoreApplication::translate("quorvel-batch", "Created folder %1.").arg(QDir::toNativeSeparators(folder)));
    return true;
}

/// --album: builds or updates the web album; the exit status as for a creation run
/// (see ExitStatus).
int runAlbum(const quorvel::batch::BatchOptions &options)
{
    using namespace quorvel;
    album::AlbumRequest request;
    request.sourceFolder = options.request.sourceFolder;
    request.albumFolder = options.request.destFolder;
    request.pictures = album::listAlbumPictures(request.sourceFolder);
    request.options = options.albumOptions;
    request.jobs = options.request.jobs;
    // Nothing the album refuses before it writes can hold for a folder that is not there.
    if (!makeFolder(request.albumFolder, options.quiet))
        return batch::kNotWritten;
    const album::AlbumOutcome outcome = album::buildAlbum(request, progressLine(options.progress));
    endProgressLine(options.progress);
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
            QCoreApplication::translate("quorvel-batch",
                "Album %1: %n pictures, %2 made, %3 up to date, %4 removed, %5 failed.",
                nullptr,
                outcome.pictures)
                .arg(QDir::toNativeSeparators(outcome.indexPath))
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
    // The English catalogue gives the counts their singular ("1 thumbnail written").
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
    // A refused run writes nothing, its folder included: of the refusals, only that of a
    // prefix with a folder separator can meet a folder that is not there.
    const bool refused = options.request.rename && !prefixRefusal(options.request.prefix).isEmpty();
    if (!refused && !makeFolder(options.request.destFolder, options.quiet))
        return batch::kNotWritten;
    const CreationOutcome outcome = runCreation(options.state, options.request, progressLine(options.progress));
    endProgressLine(options.progress);
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
        // One count to a text, for the plural forms: "1 thumbnail written to ..., 2 pictures failed".
        QString summary =
            QCoreApplication::translate("quorvel-batch", "%n thumbnails written to %1", nullptr, outcome.written)
                .arg(QDir::toNativeSeparators(options.request.destFolder))
            + QCoreApplication::translate(
                "quorvel-batch", ", %n pictures failed", nullptr, int(outcome.failures.size()));
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
