// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace quorvel
{

/// The number a text begins with: leading blanks skipped, an optional sign, digits
/// with an optional decimal point; reading stops at the first other character. A
/// text that does not begin with a number counts as 0 ("12px" -> 12, "abc" -> 0).
double leadingNumber(const QString &text);

/// The number the whole text holds (blanks around it allowed), or nullopt when the
/// text is empty or anything but a number.
std::optional<double> wholeNumber(const QString &text);

/// A number written back as plain decimal text: "91", "-1", "12.5".
QString plainNumber(double value);

/// An integer with a sign place: a blank in front when it is not negative (" 85",
/// " 0"), the minus sign otherwise ("-3").
QString numberWithSignPlace(int value);

} // namespace quorvel
