// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appstate.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace quorvel
{

/// The size the Defaults dialog shows while no default size is stored.
inline constexpr int kDefaultThumbSize = 45;

/// What the Defaults dialog hands over when the user saves: its boxes' texts and
/// its choices.
struct DefaultsChoice {
    QString path; ///< the default thumbnail folder, as typed or chosen
    bool alwaysOverwrite = false;
    QString heightText;
    QString widthText;
    bool useBorder = false;
    QString ftpProgram; ///< empty: none
};

/// The number in a default size box: a whole number from 1 to 32767, blanks around
/// it allowed. nullopt for anything else (empty, a fraction, 0, too large, letters).
std::optional<std::int16_t> defaultSizeValue(const QString &text);

/// What a size box shows for a stored size: the number in plain decimal, or "45"
/// when none is stored (0).
QString defaultSizeText(std::int16_t stored);

/// The outcome of saveDefaults.
struct DefaultsSaveResult {
    enum class Failure { None, Height, Width, File };
    Failure failure = Failure::None;
    QString reason; ///< for Failure::File: the sentence naming the file and why

    bool ok() const
    {
        return failure == Failure::None;
    }
};

/// Saves the defaults: checks the height, then the width, writes the settings file
/// (the size boxes' texts verbatim, the FTP program as the optional sixth line),
/// and only when that worked sets overwrite, defThumbHeight, defThumbWidth,
/// tableBorder, defPathToThumb and FTPprog. On any failure neither the file nor a
/// variable changes: a size that is refused writes nothing, and a failed write
/// leaves the previous file whole.
DefaultsSaveResult saveDefaults(const QString &filePath, const DefaultsChoice &choice, AppState &state);

} // namespace quorvel
