// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quorvel
{

/// The program's logo pictures (kLogoPictures) that an HTML text refers to relative
/// to its page: an attribute whose value is exactly the picture's name, quoted or not
/// (SRC="line.jpg", as the built-in header and footer write it). A name inside a
/// longer address ("images/line.jpg", "file:///.../line.jpg") does not count: that
/// reference does not lead to the folder of the page.
QStringList logoPicturesNamedIn(const QString &html);

/// Puts the logo pictures that a page's header or footer names (see
/// logoPicturesNamedIn) beside the page, so that the page shows them wherever it is
/// published together with its folder: each is copied from logoFolder into
/// pageFolder. A file of that name already beside the page is left as it is (the
/// program's own copy from an earlier run, or the user's own picture put there on
/// purpose). Returns an empty string when every named picture is there, else one
/// sentence per picture that could not be copied, naming it and the reason.
QString putLogoPicturesBesidePage(
    const QString &pageFolder, const QString &logoFolder, const QString &header, const QString &footer);

} // namespace quorvel
