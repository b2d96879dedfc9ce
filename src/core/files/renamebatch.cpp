// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/renamebatch.h"

#include "files/fileoperations.h"
#include "platform/fileidentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QUuid>

namespace quorvel
{
namespace
{

/// The form under which two paths name the same file (no symbolic links resolved).
QString key(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

/// A name in the file's folder that nothing uses, for moving it aside.
QString temporaryNameFor(const QString &path)
{
    const NameParts parts = splitName(path);
    for (;;) {
        const QString candidate = parts.folder + QStringLiteral(".quorvel-rename-")
            + QUuid::createUuid().toString(QUuid::Id128).left(12) + QStringLiteral("-") + parts.name;
        if (!pathTaken(candidate))
            return candidate;
    }
}

/// A new path that already names the very file being renamed under another spelling:
/// a change of letter case on a volume that ignores case.
bool sameFileRespelled(const RenameMove &move)
{
    if (key(move.from) == key(move.to) || !pathTaken(move.to))
        return false;
    const QString identity = fileIdentity(move.from);
    return !identity.isEmpty() && identity == fileIdentity(move.to);
}

QString failureText(const QString &from, const QString &to, const QString &reason)
{
    return QCoreApplication::translate("quorvel::frmFileManageRename", "%1 could not be renamed to %2: %3.")
        .arg(from, to, reason);
}

} // namespace

QString checkRenames(const QList<RenameMove> &moves)
{
    QSet<QString> sources;
    for (const RenameMove &move : moves) {
        if (key(move.from) == key(move.to))
            continue;
        if (sources.contains(key(move.from)))
            return QCoreApplication::translate("quorvel::frmFileManageRename",
                "The file %1 is on your list more than once. Remove the extra entries, then "
                "rename again. Nothing has been renamed.")
                .arg(move.from);
        sources.insert(key(move.from));
    }
    QSet<QString> targets;
    for (const RenameMove &move : moves) {
        if (key(move.from) == key(move.to)) {
            if (!pathTaken(move.from))
                return renameFailedMessage();
            continue;
        }
        if (!pathTaken(move.from))
            return renameFailedMessage();
        const QString target = key(move.to);
        if (targets.contains(target))
            return QCoreApplication::translate("quorvel::frmFileManageRename",
                "Two files on your list would both be renamed to %1. Nothing has been renamed.")
                .arg(move.to);
        targets.insert(target);
        if (pathTaken(move.to) && !sources.contains(target) && !sameFileRespelled(move))
            return renameFailedMessage();
        if (!QFileInfo(QFileInfo(move.to).absolutePath()).isDir())
            return renameFailedMessage();
    }
    return {};
}

RenameRun executeRenames(
    const QList<RenameMove> &moves, QList<RenameMove> &journal, const std::function<void(const RenameMove &)> &moved)
{
    RenameRun run;
    QSet<QString> targets;
    for (const RenameMove &move : moves)
        if (key(move.from) != key(move.to))
            targets.insert(key(move.to));

    // Files whose name another entry takes move aside first.
    const qsizetype firstOfRun = journal.size();
    QHash<qsizetype, QString> aside;
    // After a failure: files moved aside go back under their old names. Where one
    // cannot (its old name was taken by another entry), the whole run is rolled back
    // so that no file is left under a temporary name.
    auto stop = [&](const QString &error) {
        bool allBack = true;
        for (auto it = aside.cbegin(); it != aside.cend(); ++it) {
            const QString &home = moves[it.key()].from;
            if (renameNoReplace(it.value(), home))
                journal.append({ it.value(), home });
            else
                allBack = false;
        }
        aside.clear();
        run.error = error;
        if (!allBack) {
            QList<RenameMove> thisRun = journal.mid(firstOfRun);
            journal.resize(firstOfRun);
            const QString undoError = undoRenames(thisRun);
            journal.append(thisRun);
            if (undoError.isEmpty()) {
                run.done = 0;
                run.error += QLatin1Char(' ')
                    + QCoreApplication::translate("quorvel::frmFileManageRename", "Nothing has been renamed.");
            } else {
                run.error += QLatin1Char(' ') + undoError;
            }
        }
        return run;
    };
    for (qsizetype i = 0; i < moves.size(); ++i) {
        const RenameMove &move = moves[i];
        if (key(move.from) == key(move.to) || (!targets.contains(key(move.from)) && !sameFileRespelled(move)))
            continue;
        const QString temporary = temporaryNameFor(move.from);
        QString reason;
        if (!renameNoReplace(move.from, temporary, &reason))
            return stop(failureText(move.from, temporary, reason));
        journal.append({ move.from, temporary });
        aside.insert(i, temporary);
    }

    for (qsizetype i = 0; i < moves.size(); ++i) {
        const RenameMove &move = moves[i];
        if (key(move.from) != key(move.to)) {
            const QString source = aside.value(i, move.from);
            QString reason;
            if (!renameNoReplace(source, move.to, &reason))
                return stop(failureText(move.from, move.to, reason));
            journal.append({ source, move.to });
            aside.remove(i);
        }
        ++run.done;
        if (moved)
            moved(move);
    }
    return run;
}

QString undoRenames(QList<RenameMove> &journal)
{
    while (!journal.isEmpty()) {
        const RenameMove &last = journal.constLast();
        QString reason;
        if (!renameNoReplace(last.to, last.from, &reason))
            return failureText(last.to, last.from, reason);
        journal.removeLast();
    }
    return {};
}

} // namespace quorvel
