// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pageoptions.h"

#include "platform/numbers.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>
#include <optional>

namespace quorvel
{

QString noPageNameMessage()
{
    return QCoreApplication::translate("saveto", "No name selected for HTML file!");
}

PageNameFault pageNameFault(const QString &name)
{
    if (name.trimmed().isEmpty() || name.startsWith(QLatin1Char('.')))
        return PageNameFault::NoName;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return PageNameFault::HoldsFolder;
    return PageNameFault::None;
}

QString applyPageOptions(AppState &state, const PageOptionsForm &form)
{
    switch (pageNameFault(form.fileName)) {
    case PageNameFault::NoName:
        return noPageNameMessage();
    case PageNameFault::HoldsFolder:
        return QCoreApplication::translate("saveto",
            "\"Name of webpage:\" cannot hold a folder (\"/\" or \"\\\"): the page is written in the folder of "
            "the pictures. The page options were not changed.");
    case PageNameFault::None:
        break;
    }
    std::optional<double> columns;
    if (form.useTable) {
        columns = wholeNumber(form.columns);
        if (!columns || *columns != std::floor(*columns) || *columns < std::numeric_limits<std::int16_t>::min()
            || *columns > std::numeric_limits<std::int16_t>::max())
            return QCoreApplication::translate(
                "saveto", "\"# Columns:\" must be a whole number, such as 4. The page options were not changed.");
    }
    state.htmlFileName = form.fileName;
    state.imageFolderRef = form.imageFolder;
    if (columns) {
        state.table = 1;
        state.columns = static_cast<std::int16_t>(*columns);
    }
    state.tableBorder = form.useBorder ? 1 : 0;
    return {};
}

} // namespace quorvel
