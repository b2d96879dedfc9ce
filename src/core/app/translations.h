// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace quorvel
{

/// Installs the translation of the program's texts for the user's languages (the
/// system locale: LANGUAGE, then LC_ALL, LC_MESSAGES or LANG), compiled into the
/// program, and the toolkit's own for its standard buttons when the system has it.
/// English, C and POSIX, and a language no translation ships for, get the English
/// texts with their singular forms ("1 picture"); every other English text is the
/// source text itself. Replaces what an earlier call installed. Returns the language
/// installed ("fr", "en"), empty when nothing could be (no application object).
QString installTranslations(const QLocale &locale = QLocale::system());

} // namespace quorvel
