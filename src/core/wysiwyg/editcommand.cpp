// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/editcommand.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace quorvel
{
namespace
{

struct CommandKey {
    EditCommand command;
    const char *key;
};

constexpr CommandKey kKeys[] = {
    { EditCommand::Bold, "bold" },
    { EditCommand::Copy, "copy" },
    { EditCommand::Cut, "cut" },
    { EditCommand::Delete, "delete" },
    { EditCommand::DeleteCells, "deleteCells" },
    { EditCommand::DeleteColumns, "deleteColumns" },
    { EditCommand::DeleteRows, "deleteRows" },
    { EditCommand::FindText, "findText" },
    { EditCommand::Font, "font" },
    { EditCommand::GetBackColor, "getBackColor" },
    { EditCommand::GetBlockFormat, "getBlockFormat" },
    { EditCommand::GetBlockFormatNames, "getBlockFormatNames" },
    { EditCommand::GetFontName, "getFontName" },
    { EditCommand::GetFontSize, "getFontSize" },
    { EditCommand::GetForeColor, "getForeColor" },
    { EditCommand::Hyperlink, "hyperlink" },
    { EditCommand::Image, "image" },
    { EditCommand::Indent, "indent" },
    { EditCommand::InsertCell, "insertCell" },
    { EditCommand::InsertColumn, "insertColumn" },
    { EditCommand::InsertRow, "insertRow" },
    { EditCommand::InsertTable, "insertTable" },
    { EditCommand::Italic, "italic" },
    { EditCommand::JustifyCenter, "justifyCenter" },
    { EditCommand::JustifyLeft, "justifyLeft" },
    { EditCommand::JustifyRight, "justifyRight" },
    { EditCommand::LockElement, "lockElement" },
    { EditCommand::MakeAbsolute, "makeAbsolute" },
    { EditCommand::MergeCells, "mergeCells" },
    { EditCommand::OrderedList, "orderedList" },
    { EditCommand::Outdent, "outdent" },
    { EditCommand::Paste, "paste" },
    { EditCommand::Redo, "redo" },
    { EditCommand::RemoveFormat, "removeFormat" },
    { EditCommand::SelectAll, "selectAll" },
    { EditCommand::SendBackward, "sendBackward" },
    { EditCommand::BringForward, "bringForward" },
    { EditCommand::SendBelowText, "sendBelowText" },
    { EditCommand::BringAboveText, "bringAboveText" },
    { EditCommand::SendToBack, "sendToBack" },
    { EditCommand::BringToFront, "bringToFront" },
    { EditCommand::SetBackColor, "setBackColor" },
    { EditCommand::SetBlockFormat, "setBlockFormat" },
    { EditCommand::SetFontName, "setFontName" },
    { EditCommand::SetFontSize, "setFontSize" },
    { EditCommand::SetForeColor, "setForeColor" },
    { EditCommand::SplitCell, "splitCell" },
    { EditCommand::Underline, "underline" },
    { EditCommand::Undo, "undo" },
    { EditCommand::Unlink, "unlink" },
    { EditCommand::UnorderedList, "unorderedList" },
};

constexpr std::array<int, 7> kPoints = { 8, 10, 12, 14, 18, 24, 36 };

} // namespace

QString editCommandKey(EditCommand command)
{
    for (const CommandKey &entry : kKeys) {
        if (entry.command == command)
            return QLatin1String(entry.key);
    }
    return {};
}

std::optional<EditCommand> editCommandFromNumber(int number)
{
    for (const CommandKey &entry : kKeys) {
        if (static_cast<int>(entry.command) == number)
            return entry.command;
    }
    return std::nullopt;
}

bool editCommandPrompts(EditCommand command)
{
    return command == EditCommand::Font || command == EditCommand::Image || command == EditCommand::Hyperlink
        || command == EditCommand::FindText;
}

int htmlFontSizeFromPoints(double points)
{
    int best = 0;
    for (int i = 1; i < static_cast<int>(kPoints.size()); ++i) {
        if (std::abs(kPoints[i] - points) < std::abs(kPoints[best] - points))
            best = i;
    }
    return best + 1;
}

int pointsFromHtmlFontSize(int size)
{
    return kPoints[std::clamp(size, 1, 7) - 1];
}

} // namespace quorvel
