// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery/creationprogress.h"

#include "platform/prompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>

namespace quorvel
{
namespace
{

// A longer list of failures is cut short; the count says how many there were.
constexpr int kFailuresListed = 10;

} // namespace

void runWithProgressDialog(QWidget *parent,
    int total,
    const std::function<QString(int done, int total)> &labelText,
    const std::function<void(const CreationProgress &)> &work,
    int showAfterMs)
{
    QProgressDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("creationProgress"));
    dialog.setWindowTitle(Prompts::programTitle());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    // Shown by the run itself, not by the dialog's own timer.
    dialog.setMinimumDuration(std::numeric_limits<int>::max());
    dialog.setRange(0, std::max(1, total));
    dialog.setCancelButtonText(QCoreApplication::translate("CreationRun", "Cancel"));
    dialog.hide();

    QElapsedTimer clock;
    clock.start();
    const CreationProgress progress = [&](int done, int total) {
        if (!dialog.isVisible() && clock.elapsed() >= showAfterMs) {
            dialog.show();
            dialog.raise();
        }
        if (dialog.isVisible()) {
            dialog.setMaximum(std::max(1, total));
            dialog.setLabelText(labelText(done, total));
            dialog.setValue(done);
            QCoreApplication::processEvents();
        }
        return !dialog.wasCanceled();
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    work(progress);
    QApplication::restoreOverrideCursor();
    dialog.hide();
}

CreationOutcome runCreationWithProgress(
    QWidget *parent, AppState &state, const CreationRequest &request, int showAfterMs)
{
    CreationOutcome outcome;
    runWithProgressDialog(
        parent,
        int(request.pictures.size()),
        [](int done, int total) {
            return QCoreApplication::translate("CreationRun", "Making thumbnails: %1 of %2 done").arg(done).arg(total);
        },
        [&](const CreationProgress &progress) {
            outcome = runCreation(state, request, progress);
        },
        showAfterMs);
    return outcome;
}

void reportCreation(QWidget *parent, Prompts &prompts, const CreationOutcome &outcome)
{
    if (outcome.result == CreationOutcome::Result::Refused) {
        prompts.message(parent, outcome.refusal);
        return;
    }
    if (!outcome.pageError.isEmpty())
        prompts.message(parent, outcome.pageError, Prompts::Icon::Exclamation);
    if (!outcome.logoError.isEmpty())
        prompts.message(parent, outcome.logoError, Prompts::Icon::Exclamation);
    if (!outcome.failures.isEmpty()) {
        QString text = QCoreApplication::translate(
            "CreationRun", "%1 of %n pictures gave no thumbnail:", nullptr, outcome.processed)
                           .arg(outcome.failures.size());
        for (int i = 0; i < outcome.failures.size() && i < kFailuresListed; ++i)
            text += QStringLiteral("\r\n") + outcome.failures[i].error;
        if (outcome.failures.size() > kFailuresListed)
            text += QStringLiteral("\r\n")
                + QCoreApplication::translate("CreationRun", "... and %1 more.")
                      .arg(outcome.failures.size() - kFailuresListed);
        prompts.message(parent, text, Prompts::Icon::Exclamation);
    }
    if (outcome.result == CreationOutcome::Result::Cancelled) {
        prompts.message(parent,
            QCoreApplication::translate("CreationRun",
                "Thumbnail creation was cancelled: %1 of %n thumbnails were made.",
                nullptr,
                outcome.total)
                .arg(outcome.written),
            Prompts::Icon::Information);
        return;
    }
    // "Completed" is said only when everything that could be made was written.
    if (outcome.writeFailed()) {
        QString text = QCoreApplication::translate("CreationRun",
            "Thumbnail creation finished, but not everything could be written: %1 of %n thumbnails were written.",
            nullptr,
            outcome.processed)
                           .arg(outcome.written);
        if (!outcome.pageError.isEmpty())
            text += QLatin1Char(' ') + QCoreApplication::translate("CreationRun", "The gallery page was not written.");
        prompts.message(parent, text, Prompts::Icon::Exclamation);
        return;
    }
    prompts.message(parent, QCoreApplication::translate("CreationRun", "Thumbnail Creation Completed!"));
}

} // namespace quorvel

namespace quorvel
{

album::AlbumOutcome buildAlbumWithProgress(QWidget *parent, const album::AlbumRequest &request, int showAfterMs)
{
    album::AlbumOutcome outcome;
    runWithProgressDialog(
        parent,
        int(request.pictures.size()),
        [](int done, int total) {
            return QCoreApplication::translate(
                "CreationRun", "Making the album: %1 of %n pictures done", nullptr, total)
                .arg(done);
        },
        [&](const CreationProgress &progress) {
            outcome = album::buildAlbum(request, progress);
        },
        showAfterMs);
    return outcome;
}

void reportAlbum(QWidget *parent, Prompts &prompts, const album::AlbumOutcome &outcome)
{
    if (outcome.result == album::AlbumOutcome::Result::Refused) {
        prompts.message(parent, outcome.refusal, Prompts::Icon::Exclamation);
        return;
    }
    QStringList problems;
    for (const album::AlbumFailure &failure : outcome.failures.mid(0, kFailuresListed))
        problems += failure.error;
    if (outcome.failures.size() > kFailuresListed)
        problems += QCoreApplication::translate("CreationRun", "... and %1 more.")
                        .arg(outcome.failures.size() - kFailuresListed);
    if (!problems.isEmpty())
        prompts.message(parent,
            QCoreApplication::translate("CreationRun", "Pictures that could not be put in the album:")
                + QStringLiteral("\r\n") + problems.join(QStringLiteral("\r\n")),
            Prompts::Icon::Exclamation);
    for (const QString &warning : outcome.warnings)
        prompts.message(parent, warning, Prompts::Icon::Exclamation);
    if (!outcome.error.isEmpty())
        prompts.message(parent, outcome.error, Prompts::Icon::Exclamation);
    const QString summary = QCoreApplication::translate(
        "CreationRun", "The album %1 is made. Pictures in it: %2; made now: %3; already up to date: %4; removed: %5.")
                                .arg(QDir::toNativeSeparators(outcome.indexPath))
                                .arg(outcome.pictures)
                                .arg(outcome.made)
                                .arg(outcome.kept)
                                .arg(outcome.removed);
    if (outcome.result == album::AlbumOutcome::Result::Cancelled)
        prompts.message(parent,
            QCoreApplication::translate("CreationRun", "Making the album was cancelled; it holds what was done.")
                + QStringLiteral("\r\n") + summary,
            Prompts::Icon::Information);
    else
        prompts.message(parent, summary, Prompts::Icon::Information);
}

} // namespace quorvel
