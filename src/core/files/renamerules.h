// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace quorvel
{

/// Rule codes of the batch renamer, as the rule window stores them in renameRule.
enum RenameRuleCode : std::int16_t {
    AppendToExtension = 1, ///< F & P
    AppendFilePrefix = 2, ///< D & c(P) & c(N)
    ReplaceExtension = 3, ///< S & "." & P
    ShortenFilename = 4, ///< the stem loses its last n characters, n = P as a number
    SequentialRenaming = 5, ///< D & c(P) & number & "." & c(E)
    ReplaceFilePrefix = 6, ///< the name loses its first len(P) characters for c(P), all converted
    AppendFileSuffix = 7, ///< S & c(P) & "." & E
    ReplaceFileSuffix = 8, ///< the stem's last len(P) characters become P
    ChangeFilenameCase = 12, ///< D & c(N)
};

/// Case conversions of renameCase.
enum RenameCaseCode : std::int16_t { UpperCase = 9, LowerCase = 10, CaseUnchanged = 11 };

/// One rename: a file and the full path it gets.
struct RenameMove {
    QString from;
    QString to;
    friend bool operator==(const RenameMove &, const RenameMove &) = default;
};

/// The program-wide rename state the rule window, the confirm window and the batch
/// run share. It lives while the program runs and is never saved; everything starts
/// empty.
struct RenameState {
    /// Confirmation states of renameConfirm.
    enum Confirm : std::int16_t { Ask = 0, RenameThis = 1, RenameAll = 2, Cancel = 3, Skip = 4 };

    std::optional<std::int16_t> renameRule; ///< empty until the rule window first stores a rule
    QString renameText; ///< the rule's text
    std::int16_t renameCase = 0; ///< 9, 10 or 11 once a rule was chosen
    qint64 renameStart = 0; ///< first number of sequential renaming
    std::int16_t renameConfirm = Ask;

    /// Every rename the last batch run made, temporary names included, in the order
    /// made; "Undo last renaming" plays it backwards. Empty when there is nothing to undo.
    QList<RenameMove> lastRun;
};

/// The parts of a full path the rules work on. The separator and the dot are found
/// from the end of the path; a dot counts only when it is inside the file name (a
/// dotted folder such as "/photos.2024/readme" gives a name without an extension).
struct NameParts {
    QString folder; ///< D: everything up to and including the last separator
    QString name; ///< N: the file name
    QString stem; ///< the file name without its last dot and extension
    QString extension; ///< E: the characters after the last dot of the name; empty without a dot
    bool hasDot = false; ///< the file name holds a dot
};

NameParts splitName(const QString &path);

/// Why a new name could not be formed. The two kinds carry different messages: the
/// rules built on the extension or the stem (3, 4, 5, 7, 8) report an invalid file
/// name, the others (1, 2, 6, 12) that the file cannot be renamed.
enum class RenameError { None, NoRule, InvalidName, CannotRename };

struct NewName {
    QString path; ///< the new full path; empty unless error is None
    RenameError error = RenameError::None;
};

/// The inputs of one run: the rule, its text, the case conversion and the first number.
struct RenameRule {
    std::optional<std::int16_t> code;
    QString text;
    std::int16_t caseCode = CaseUnchanged;
    qint64 start = 1;
};

/// The new full path of `path` under `rule`; `number` is the counter of sequential
/// renaming (the caller numbers the files in list order from rule.start).
///
/// Where the old rules gave a nonsense path, these decisions hold:
/// - A name without a dot has no extension, and no dot is written for it: "Replace
///   Extension" gives it one ("readme" -> "readme.xxx"), "Sequential Renaming" gives
///   "xxx1", "Shorten", "Append File Suffix" and "Replace File Suffix" work on the whole
///   name. A dot in a folder name is never taken for the extension's dot.
/// - A cut never reaches past the file name into its folder: "Shorten Filename" by as
///   many characters as the stem has or more, and "Replace File Suffix" with a text
///   longer than the stem, are refused (InvalidName). "Shorten Filename" needs a whole
///   number of 0 or more. "Replace File Prefix" with a text longer than the name is
///   refused (CannotRename).
/// - A rule text holding a separator moves the file on purpose, so it is allowed; a
///   result whose file name is empty, "." or ".." is refused.
NewName newPathFor(const QString &path, const RenameRule &rule, qint64 number);

/// The message for a rule that could not form a name. renameAttempted: a rename of
/// this run was already attempted (only the CannotRename kind reads differently).
QString renameErrorMessage(RenameError error, bool renameAttempted);

/// The message when a rename itself fails (the file is missing, the target exists
/// or cannot be made).
QString renameFailedMessage();

/// The new paths of every entry of a rename list, in list order; sequential renaming
/// numbers them from rule.start. On the first entry whose name cannot be formed,
/// error says why and failedIndex says which; moves then holds the entries before it.
struct RenamePlan {
    QList<RenameMove> moves;
    RenameError error = RenameError::None;
    qsizetype failedIndex = -1;
};
RenamePlan planRenames(const QStringList &paths, const RenameRule &rule);

} // namespace quorvel
