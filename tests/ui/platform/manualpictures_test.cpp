// SPDX-License-Identifier: GPL-3.0-or-later
#include "../windowcatalog.h"
#include "platform/helpwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace quorvel
{
namespace
{

QString attribute(const QString &tag, const QString &name)
{
    const QRegularExpression pattern(QStringLiteral("\\b%1=\"([^\"]*)\"").arg(name));
    return pattern.match(tag).captured(1);
}

// Every window has its picture in the built-in manual, and every picture a page shows
// is built in beside it, readable, described for a screen reader and given its size
// (so the page does not jump about while it loads).
TEST(ManualPictures, EveryWindowIsPicturedAndEveryPictureIsBuiltIn)
{
    ASSERT_TRUE(HelpWindow::hasTopic(QStringLiteral("contents"))); // registers the manual
    const QDir manual(QStringLiteral(":/help"));
    QStringList shown;
    const QRegularExpression imageTag(QStringLiteral("<img\\b[^>]*>"));
    for (const QString &page : manual.entryList({ QStringLiteral("*.html") })) {
        QFile file(manual.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &match : imageTag.globalMatch(html)) {
            const QString tag = match.captured();
            const QString source = attribute(tag, QStringLiteral("src"));
            SCOPED_TRACE((page + QLatin1Char(' ') + source).toStdString());
            EXPECT_TRUE(source.startsWith(QLatin1String("images/")));
            EXPECT_FALSE(attribute(tag, QStringLiteral("alt")).isEmpty());
            const QImage picture(manual.filePath(source));
            ASSERT_FALSE(picture.isNull());
            const int width = attribute(tag, QStringLiteral("width")).toInt();
            const int height = attribute(tag, QStringLiteral("height")).toInt();
            ASSERT_GT(width, 0);
            ASSERT_GT(height, 0);
            EXPECT_LE(width, picture.width());
            // Scaled, if at all, without distorting it (to the pixel).
            EXPECT_NEAR(double(height) / width * picture.width(), picture.height(), picture.width() / double(width));
            shown << QFileInfo(source).completeBaseName();
        }
    }
    QStringList windows {
        QStringLiteral("MainForm"), QStringLiteral("InsertTableDlg"), QStringLiteral("InsertHTMLDlg")
    };
    for (const test::WindowOpener &entry : test::windowCatalog())
        windows << QLatin1String(entry.name);
    for (const QString &window : windows)
        EXPECT_TRUE(shown.contains(window)) << window.toStdString() << " has no picture in the manual";
}

} // namespace
} // namespace quorvel
