// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appstate.h"

#include <QByteArray>
#include <QString>

namespace quorvel
{

/// The values saved in quorvel.ins, as the Defaults dialog hands them over: the
/// two size lines are the texts of its boxes, written verbatim.
struct SettingsRecord {
    QString defPathToThumb;
    int overwrite = 0;
    QString heightText;
    QString widthText;
    int tableBorder = 0;
    QString ftpProgram = {}; ///< optional sixth line, written only when not empty
};

/// Reads and writes the settings file quorvel.ins: plain text in the system's
/// encoding, five lines each ended by CR LF:
///   1. the default thumbnail folder, verbatim (commas and spaces included);
///   2. the overwrite flag in number format;
///   3. the default height and 4. the default width, the box texts verbatim;
///   5. the border flag in number format;
///   6. optionally, the FTP program (FTPprog), verbatim; the line is written only
///      when there is one, so a file without it keeps exactly five lines and a
///      five-line file written by earlier versions loads as before.
/// Number format: the decimal integer with a sign place (a space when not negative,
/// "-" otherwise) and one trailing space, so 1 is the bytes " 1 " CR LF.
class SettingsStore
{
public:
    static constexpr auto kFileName = "quorvel.ins";

    /// Loads the file into the settings variables of state, step by step: a
    /// step that fails (missing file, missing line, a field that is not a 16-bit
    /// number) leaves its variable as it was and the next step still runs.
    /// Returns false only when the file could not be opened at all.
    static bool load(const QString &filePath, AppState &state);

    /// Loads from bytes already read (the same steps as load()).
    static void loadFromBytes(const QByteArray &bytes, AppState &state);

    /// The exact bytes of a settings file for these values.
    static QByteArray toBytes(const SettingsRecord &record);

    /// Writes the file through a temporary file in the same folder renamed into
    /// place: an unwritable folder or a full disk leaves any previous file whole.
    /// Returns an empty string on success, else a sentence naming the file and why.
    static QString save(const QString &filePath, const SettingsRecord &record);

    /// An integer in number format: " 1 ", "-3 ", without the line end.
    static QByteArray formatNumber(int value);
};

} // namespace quorvel
