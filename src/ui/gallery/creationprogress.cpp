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

CreationOutcome runCreationWithProgress(
    QWidget *parent, AppState &state, const CreationRequest &request, int showAfterMs)
{
    QProgressDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("creationProgress"));
    dialog.setWindowTitle(Prompts::programTitle());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    // Shown by the run itself, not by the dialog's own timer.
    dialog.setMinimumDuration(std::numeric_limits<int>::max());
    dialog.setRange(0, std::max(1, int(request.pictures.size())));
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
            dialog.setLabelText(
                QCoreApplication::translate("CreationRun", "Making thumbnails: %1 of %2 done").arg(done).arg(total));
            dialog.setValue(done);
            QCoreApplication::processEvents();
        }
        return !dialog.wasCanceled();
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CreationOutcome outcome = runCreation(state, request, progress);
    QApplication::restoreOverrideCursor();
    dialog.hide();
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
        QString text = QCoreApplication::translate("CreationRun", "%1 of %2 pictures gave no thumbnail:")
                           .arg(outcome.failures.size())
                           .arg(outcome.processed);
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
            QCoreApplication::translate(
                "CreationRun", "Thumbnail creation was cancelled: %1 of %2 thumbnails were made.")
                .arg(outcome.written)
                .arg(outcome.total),
            Prompts::Icon::Information);
        return;
    }
    prompts.message(parent, QStringLiteral("Thumbnail Creation Completed!"));
}

} // namespace quorvel
