// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

namespace quorvel
{

/// A colour value as colour choosers of the desktop's old API hand it out: red in the
/// lowest byte, then green, then blue (255 is pure red).
unsigned int colorValue(const QColor &color);

/// The HTML text of a colour value: "#" and six upper-case hexadecimal digits in red,
/// green, blue order; 255 gives "#FF0000". Bits above the low 24 are ignored.
QString htmlColor(unsigned int value);

} // namespace quorvel
