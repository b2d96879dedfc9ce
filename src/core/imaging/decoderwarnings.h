// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvel
{

/// While alive, names the picture this thread decodes in the decoders' warnings, which
/// do not know the file they read. Scopes nest; the innermost names the picture.
class DecodingPicture
{
public:
    explicit DecodingPicture(const QString &path);
    ~DecodingPicture();
    DecodingPicture(const DecodingPicture &) = delete;
    DecodingPicture &operator=(const DecodingPicture &) = delete;

private:
    const QString m_path;
    const QString *m_outer;
};

/// The picture this thread decodes (see DecodingPicture), or an empty string.
QString decodingPicture();

/// Reports a warning of a decoder about the picture this thread decodes: a warning of
/// the log category "quorvel.imaging", "\"path\": warning" (on standard error unless
/// the logging rules filter it out). Nothing for an empty warning.
void warnAboutPicture(const QString &warning);

/// Installs a message handler that puts the name of the picture the emitting thread
/// decodes before the messages of the toolkit's picture readers (categories
/// "qt.gui.imageio..."), such as "Corrupt JPEG data: ...", and passes every message on
/// to the handler that was installed before. For the programs' main(); once.
void nameDecodedPicturesInMessages();

} // namespace quorvel
