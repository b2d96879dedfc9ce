// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/defaults.h"

#include "app/settingsstore.h"

#include <QRegularExpression>

#include <limits>

namespace quorvel
{

std::optional<std::int16_t> defaultSizeValue(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral(R"(^\s*\+?(\d{1,10})\s*$)"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const qlonglong value = match.captured(1).toLongLong();
    if (value < 1 || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

QString defaultSizeText(std::int16_t stored)
{
    return QString::number(stored != 0 ? int(stored) : kDefaultThumbSize);
}

DefaultsSaveResult saveDefaults(const QString &filePath, const DefaultsChoice &choice, AppState &state)
{
    const std::optional<std::int16_t> height = defaultSizeValue(choice.heightText);
    if (!height)
        return { DefaultsSaveResult::Failure::Height, {} };
    const std::optional<std::int16_t> width = defaultSizeValue(choice.widthText);
    if (!width)
        return { DefaultsSaveResult::Failure::Width, {} };

    const SettingsRecord record { choice.path,
        choice.alwaysOverwrite ? 1 : 0,
        choice.heightText,
        choice.widthText,
        choice.useBorder ? 1 : 0,
        choice.ftpProgram };
    if (QString error = SettingsStore::save(filePath, record); !error.isEmpty())
        return { DefaultsSaveResult::Failure::File, error };

    state.overwrite = static_cast<std::int16_t>(record.overwrite);
    state.defThumbHeight = *height;
    state.defThumbWidth = *width;
    state.tableBorder = static_cast<std::int16_t>(record.tableBorder);
    state.defPathToThumb = choice.path;
    state.FTPprog = choice.ftpProgram;
    return {};
}

} // namespace quorvel
