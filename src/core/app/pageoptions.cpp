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

QString applyPageOptions(AppState &state, const PageOptionsForm &form)
{
    if (form.fileName.isEmpty() || form.fileName.startsWith(QLatin1Char('.')))
        return noPageNameMessage();
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
