// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/renamerules.h"

#include "platform/numbers.h"
#include "platform/paths.h"

#include <QCoreApplication>

#include <cmath>

namespace quorvel
{
namespace
{

QString convertCase(const QString &text, std::int16_t caseCode)
{
    switch (caseCode) {
    case UpperCase:
        return text.toUpper();
    case LowerCase:
        return text.toLower();
    default:
        return text;
    }
}

/// The error kind a rule reports when its name cannot be formed.
RenameError failureOf(std::int16_t code)
{
    switch (code) {
    case AppendToExtension:
    case AppendFilePrefix:
    case ReplaceFilePrefix:
    case ChangeFilenameCase:
        return RenameError::CannotRename;
    default:
        return RenameError::InvalidName;
    }
}

/// ".jpg" for a name with an extension, "" for one without.
QString dotted(const NameParts &parts, const QString &extension)
{
    return parts.hasDot ? QStringLiteral(".") + extension : QString();
}

} // namespace

NameParts splitName(const QString &path)
{
    NameParts parts;
    qsizetype cut = path.size();
    while (cut > 0 && !isPathSeparator(path[cut - 1]))
        --cut;
    parts.folder = path.left(cut);
    parts.name = path.mid(cut);
    const qsizetype dot = parts.name.lastIndexOf(u'.');
    parts.hasDot = dot >= 0;
    parts.stem = parts.hasDot ? parts.name.left(dot) : parts.name;
    parts.extension = parts.hasDot ? parts.name.mid(dot + 1) : QString();
    return parts;
}

NewName newPathFor(const QString &path, const RenameRule &rule, qint64 number)
{
    if (!rule.code)
        return { {}, RenameError::NoRule };
    const std::int16_t code = *rule.code;
    const NameParts parts = splitName(path);
    const QString &p = rule.text;
    auto c = [&](const QString &text) {
        return convertCase(text, rule.caseCode);
    };
    const RenameError failure = failureOf(code);

    QString result;
    switch (code) {
    case AppendToExtension:
        result = path + p;
        break;
    case AppendFilePrefix:
        result = parts.folder + c(p + parts.name);
        break;
    case ReplaceExtension:
        result = parts.folder + parts.stem + QStringLiteral(".") + p;
        break;
    case ShortenFilename: {
        const std::optional<double> n = wholeNumber(p);
        if (!n || *n < 0 || std::floor(*n) != *n)
            return { {}, failure };
        if (*n > 0 && *n >= double(parts.stem.size()))
            return { {}, failure };
        const qsizetype cut = qsizetype(*n);
        result = parts.folder + parts.stem.left(parts.stem.size() - cut) + dotted(parts, parts.extension);
        break;
    }
    case SequentialRenaming:
        result = parts.folder + c(p) + QString::number(number) + dotted(parts, c(parts.extension));
        break;
    case ReplaceFilePrefix:
        if (p.size() > parts.name.size())
            return { {}, failure };
        result = parts.folder + c(p + parts.name.mid(p.size()));
        break;
    case AppendFileSuffix:
        result = parts.folder + parts.stem + c(p) + dotted(parts, parts.extension);
        break;
    case ReplaceFileSuffix:
        if (p.size() > parts.stem.size())
            return { {}, failure };
        result = parts.folder + parts.stem.left(parts.stem.size() - p.size()) + p + dotted(parts, parts.extension);
        break;
    case ChangeFilenameCase:
        result = parts.folder + c(parts.name);
        break;
    default:
        return { {}, RenameError::NoRule };
    }

    const QString newName = splitName(result).name;
    if (newName.isEmpty() || newName == u"." || newName == u".." || result.contains(QChar(u'\0')))
        return { {}, failure };
    return { result, RenameError::None };
}

QString renameErrorMessage(RenameError error, bool renameAttempted)
{
    switch (error) {
    case RenameError::InvalidName:
        return QCoreApplication::translate(
            "quorvel::frmFileManageRename", "This is not a valid filename, cannot rename!");
    case RenameError::CannotRename:
        return renameAttempted ? renameFailedMessage()
                               : QCoreApplication::translate("quorvel::frmFileManageRename",
                                   "This file can not be renamed, perhaps it already exists!");
    default:
        return {};
    }
}

QString renameFailedMessage()
{
    return QCoreApplication::translate("quorvel::frmFileManageRename",
        "File does not exist perhaps it has already been renamed, or your renaming it to an exisiting filename!");
}

RenamePlan planRenames(const QStringList &paths, const RenameRule &rule)
{
    RenamePlan plan;
    qint64 number = rule.start;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const NewName next = newPathFor(paths[i], rule, number++);
        if (next.error != RenameError::None) {
            plan.error = next.error;
            plan.failedIndex = i;
            return plan;
        }
        plan.moves.append({ paths[i], next.path });
    }
    return plan;
}

} // namespace quorvel
