// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quorvel
{
namespace
{

/// The translators in use; the application keeps pointers to them.
struct Translators {
    QTranslator program;
    QTranslator toolkit;
};

Translators &translators()
{
    static Translators installed;
    return installed;
}

} // namespace

QString installTranslations(const QLocale &locale)
{
    if (!QCoreApplication::instance())
        return {};
    Translators &t = translators();
    QCoreApplication::removeTranslator(&t.program);
    QCoreApplication::removeTranslator(&t.toolkit);
    // The compiled translations lie in the resources as quorvel_LANG.qm; the locale's
    // languages are tried in order (LANGUAGE=fr counts even when LANG is C).
    const QString folder = QStringLiteral(":/i18n");
    if (!t.program.load(locale, QStringLiteral("quorvel"), QStringLiteral("_"), folder)
        && !t.program.load(QLocale(QLocale::English), QStringLiteral("quorvel"), QStringLiteral("_"), folder))
        return {};
    QCoreApplication::installTranslator(&t.program);
    if (!t.program.language().startsWith(QLatin1String("en"))
        && t.toolkit.load(QLocale(t.program.language()),
            QStringLiteral("qtbase"),
            QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&t.toolkit);
    return t.program.language();
}

} // namespace quorvel
