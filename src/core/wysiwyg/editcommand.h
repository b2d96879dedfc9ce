// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace quorvel
{

/// The editing commands of the page editor, by the numbers its menus and toolbar use.
/// The numbers are the published interface of the editing component: window code,
/// dialogs and tests speak in them, the page bridge in the keys of editCommandKey().
enum class EditCommand : int {
    Bold = 5000,
    Copy = 5002,
    Cut = 5003,
    Delete = 5004,
    DeleteCells = 5005,
    DeleteColumns = 5006,
    DeleteRows = 5007,
    FindText = 5008,
    Font = 5009,
    GetBackColor = 5010,
    GetBlockFormat = 5011,
    GetBlockFormatNames = 5012,
    GetFontName = 5013,
    GetFontSize = 5014,
    GetForeColor = 5015,
    Hyperlink = 5016,
    Image = 5017,
    Indent = 5018,
    InsertCell = 5019,
    InsertColumn = 5020,
    InsertRow = 5021,
    InsertTable = 5022,
    Italic = 5023,
    JustifyCenter = 5024,
    JustifyLeft = 5025,
    JustifyRight = 5026,
    LockElement = 5027,
    MakeAbsolute = 5028,
    MergeCells = 5029,
    OrderedList = 5030,
    Outdent = 5031,
    Paste = 5032,
    Redo = 5033,
    RemoveFormat = 5034,
    SelectAll = 5035,
    SendBackward = 5036,
    BringForward = 5037,
    SendBelowText = 5038,
    BringAboveText = 5039,
    SendToBack = 5040,
    BringToFront = 5041,
    SetBackColor = 5042,
    SetBlockFormat = 5043,
    SetFontName = 5044,
    SetFontSize = 5045,
    SetForeColor = 5046,
    SplitCell = 5047,
    Underline = 5048,
    Undo = 5049,
    Unlink = 5050,
    UnorderedList = 5051,
};

/// Status numbers of a command, as the menus read them: below Enabled the command is
/// unavailable; Latched is enabled and on (bold text under the caret, a locked element).
enum CommandStatus : int {
    StatusNotSupported = 0,
    StatusDisabled = 1,
    StatusEnabled = 3,
    StatusLatched = 7,
};

/// How exec command is asked to run: with the command's default behaviour (prompting
/// where it has a dialog), or without any prompt, taking its argument as given.
enum class ExecOption : int {
    DoDefault = 2,
    DontPromptUser = 3,
};

/// The bridge's key of a command ("bold", "insertRow", "makeAbsolute"); every
/// command of the enumeration has one.
QString editCommandKey(EditCommand command);

/// The command with a number, or nullopt for a number that names none.
std::optional<EditCommand> editCommandFromNumber(int number);

/// Whether the command opens a dialog of its own when run with prompting allowed
/// (font, picture, anchor, find).
bool editCommandPrompts(EditCommand command);

/// Whether a status means the command can run now: Enabled or Latched (any status
/// from Enabled up). Below it the command is unsupported or disabled.
inline bool commandAvailable(int status)
{
    return status >= StatusEnabled;
}

/// Status from the two facts a page reports for a command.
inline int commandStatus(bool enabled, bool latched)
{
    if (!enabled)
        return StatusDisabled;
    return latched ? StatusLatched : StatusEnabled;
}

/// The font size (1 to 7) of the page's size list nearest to a size in points; the
/// list stands for 8, 10, 12, 14, 18, 24 and 36 points.
int htmlFontSizeFromPoints(double points);
/// The size in points a font size of 1 to 7 stands for (out-of-range values clamped).
int pointsFromHtmlFontSize(int size);

} // namespace quorvel
