// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/htmlcolor.h"

namespace quorvel
{

unsigned int colorValue(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return static_cast<unsigned int>(rgb.red()) | static_cast<unsigned int>(rgb.green()) << 8
        | static_cast<unsigned int>(rgb.blue()) << 16;
}

QString htmlColor(unsigned int value)
{
    // The value's hexadecimal form is BBGGRR; its byte pairs reversed give RRGGBB.
    const QString bgr = QStringLiteral("%1").arg(value & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
    return QLatin1Char('#') + bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}

} // namespace quorvel
