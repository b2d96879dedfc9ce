// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

QString pictures(int failed, int processed)
{
    return QCoreApplication::translate("CreationRun", "%1 of %n pictures gave no thumbnail:", nullptr, processed)
        .arg(failed);
}

} // namespace

// The C and English locales keep every text as it is, except that a count of one
// reads in the singular; French comes with its own texts; a language without a
// translation gets the English ones.
TEST(Translations, ChosenByTheLocaleWithEnglishSingulars)
{
    for (const QLocale &locale : { QLocale::c(), QLocale(QLocale::English), QLocale(QLocale::German) }) {
        SCOPED_TRACE(locale.name().toStdString());
        EXPECT_EQ(installTranslations(locale), QStringLiteral("en"));
        EXPECT_EQ(pictures(1, 1), QStringLiteral("1 of 1 picture gave no thumbnail:"));
        EXPECT_EQ(pictures(1, 2), QStringLiteral("1 of 2 pictures gave no thumbnail:"));
        EXPECT_EQ(QCoreApplication::translate("CreationRun", "Thumbnail Creation Completed!"),
            QStringLiteral("Thumbnail Creation Completed!"));
    }
    EXPECT_EQ(installTranslations(QLocale(QLocale::French, QLocale::Canada)), QStringLiteral("fr"));
    EXPECT_EQ(pictures(1, 1), QStringLiteral("Image sans vignette (1 sur 1)\u00a0:"));
    EXPECT_EQ(pictures(2, 3), QStringLiteral("Images sans vignette (2 sur 3)\u00a0:"));
    EXPECT_EQ(QCoreApplication::translate("Picture", "The file is empty."), QStringLiteral("Le fichier est vide."));
    installTranslations(QLocale::c());
}
