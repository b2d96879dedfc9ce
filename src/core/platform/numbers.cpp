// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers.h"

#include <QRegularExpression>

#include <cmath>

namespace quorvel
{

double leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?(\d+\.?\d*|\.\d+)))"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0.0;
    return match.captured(1).toDouble();
}

std::optional<double> wholeNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    const double value = text.trimmed().toDouble();
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

QString plainNumber(double value)
{
    return QString::number(value, 'g', 15);
}

QString numberWithSignPlace(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

} // namespace quorvel
