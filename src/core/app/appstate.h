// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace quorvel
{

/// The program-wide variables every window exchanges its working values through,
/// under their binding names. Everything starts empty (strings empty, integers 0);
/// only the settings loader and the named writers change them. Integers are 16-bit
/// where other copies of the program and the settings file expect 16-bit values.
struct AppState {
    // The five stored settings (quorvel.ins, see SettingsStore).
    QString defPathToThumb; ///< default destination folder for thumbnails
    std::int16_t overwrite = 0; ///< 1 "Always overwrite", 0 "Always ask before overwriting"
    std::int16_t defThumbHeight = 0; ///< default thumbnail height
    std::int16_t defThumbWidth = 0; ///< default thumbnail width
    std::int16_t tableBorder = 0; ///< the gallery table's border attribute; 1 "Use Border"

    // Gallery options and texts.
    QString htmlFileName; ///< file name (no folder) of the gallery page
    QString imageFolderRef; ///< written in front of every thumbnail name in the page
    std::int16_t table = 0; ///< 1: the gallery is a table; goes from 0 to 1 only
    std::int16_t columns = 0; ///< cells per table row
    QString headertext; ///< first line of the gallery page
    QString footertext; ///< last line of the gallery page (tables only)

    // The run in progress.
    std::int16_t cellCount = 0; ///< cells already written in the current table row
    QString pageFolder; ///< folder of the page just written, with a trailing separator
    QString picturePath; ///< full path of the picture being processed
    QString pictureName; ///< file name part of picturePath
    QString savedir; ///< folder chosen in a folder picker, with a trailing separator
    QString FTPprog; ///< path of the user's FTP program; stored on the sixth settings line
};

} // namespace quorvel
