// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageeditor/headerfooter.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace quorvel;

namespace
{

struct TemplateCase {
    const char *name;
    QByteArray bytes;
    QString header;
    QString footer;
};

} // namespace

TEST(HeaderFooterTemplate, SplitsAtTheFirstExactMarkerLine)
{
    const TemplateCase cases[] = {
        { "the five-line example",
            "<HTML>\r\n<BODY>\r\n<![Footer]>\r\n</BODY>\r\n</HTML>\r\n",
            "<HTML>\r\n<BODY>\r\n",
            "</BODY>\r\n</HTML>\r\n" },
        { "an empty file", "", "", "" },
        { "no marker", "<P>\r\nText\r\n", "<P>\r\nText\r\n", "" },
        { "marker first", "<![Footer]>\r\n</HTML>\r\n", "", "</HTML>\r\n" },
        { "marker with a trailing space", "a\r\n<![Footer]> \r\nb\r\n", "a\r\n<![Footer]> \r\nb\r\n", "" },
        { "marker in another case", "a\r\n<![footer]>\r\nb\r\n", "a\r\n<![footer]>\r\nb\r\n", "" },
        { "marker after a leading space", " <![Footer]>\r\nb\r\n", " <![Footer]>\r\nb\r\n", "" },
        { "two markers", "h\r\n<![Footer]>\r\nf1\r\n<![Footer]>\r\nf2\r\n", "h\r\n", "f1\r\nf2\r\n" },
        { "no break after the last line", "h\r\n<![Footer]>\r\nf", "h\r\n", "f\r\n" },
        { "empty lines are kept", "\r\n\r\n<![Footer]>\r\n\r\n", "\r\n\r\n", "\r\n" },
        { "LF and lone CR end lines too", "a\nb\r<![Footer]>\nc", "a\r\nb\r\n", "c\r\n" },
        { "the marker as the last line without a break", "h\r\n<![Footer]>", "h\r\n", "" },
    };
    for (const TemplateCase &c : cases) {
        const HeaderFooterTexts texts = parseTemplate(c.bytes);
        EXPECT_EQ(texts.header, c.header) << c.name;
        EXPECT_EQ(texts.footer, c.footer) << c.name;
    }
}

TEST(HeaderFooterTemplate, MissingFileGivesNothingAndAnExistingOneIsRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(readTemplateFile(dir.filePath(QStringLiteral("default.def"))), std::nullopt);
    // A folder of that name cannot be read as a file either.
    EXPECT_EQ(readTemplateFile(dir.path()), std::nullopt);

    const QString path = dir.filePath(QStringLiteral("default.def"));
    ASSERT_TRUE(test::writeFile(path, "<HTML>\r\n<![Footer]>\r\n</HTML>\r\n"));
    const auto texts = readTemplateFile(path);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->header, QStringLiteral("<HTML>\r\n"));
    EXPECT_EQ(texts->footer, QStringLiteral("</HTML>\r\n"));
}

TEST(HeaderFooterTemplate, BuiltInTextsFrameAWholePage)
{
    const HeaderFooterTexts texts = builtInTexts();
    const QStringList header = texts.header.split(QStringLiteral("\r\n"));
    const QStringList footer = texts.footer.split(QStringLiteral("\r\n"));
    // Both end with CR LF, like texts read from a file.
    ASSERT_EQ(header.last(), QString());
    ASSERT_EQ(footer.last(), QString());
    EXPECT_EQ(header.first(), QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">"));
    EXPECT_EQ(header.at(1), QStringLiteral("<HTML>"));
    EXPECT_EQ(
        header.at(5), QStringLiteral("\t<TITLE>Quorvel - Making instant webimage libraries from your images!</TITLE>"));
    EXPECT_EQ(header.at(7), QStringLiteral("<BODY TEXT=\"blue\" BGCOLOR=\"white\">"));
    EXPECT_EQ(header.at(8), QString());
    EXPECT_EQ(header.at(9), QStringLiteral("<CENTER>"));
    // The logo pictures beside the page, where a run puts them: nothing of the
    // user's folders, no address that stops working once the page is uploaded.
    EXPECT_EQ(header.at(10),
        QStringLiteral("<P><IMG SRC=\"vellodeflogo.jpg\" WIDTH=\"204\" HEIGHT=\"47\" "
                       "ALIGN=\"BOTTOM\" BORDER=\"0\"></P>"));
    EXPECT_EQ(header.at(header.size() - 2), QStringLiteral("<P>"));
    EXPECT_TRUE(footer.first().startsWith(QStringLiteral("<P><IMG SRC=\"line.jpg\"")));
    EXPECT_FALSE(texts.header.contains(QStringLiteral("file:")) || texts.footer.contains(QStringLiteral("file:")));
    EXPECT_FALSE(texts.footer.contains(QStringLiteral("HREF")));
    EXPECT_TRUE(texts.footer.contains(QStringLiteral("<I>from the Quorvel project</I>")));
    EXPECT_EQ(footer.mid(footer.size() - 4, 3),
        (QStringList { QStringLiteral("</CENTER>"), QStringLiteral("</BODY>"), QStringLiteral("</HTML>") }));
    // Every break is CR LF.
    EXPECT_EQ(texts.header.count(u'\n'), texts.header.count(QStringLiteral("\r\n")));
    EXPECT_EQ(texts.footer.count(u'\n'), texts.footer.count(QStringLiteral("\r\n")));
}

TEST(HeaderFooterFiles, SavingAndOpeningAddsOneLineBreak)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString header = dir.filePath(QStringLiteral("header.html"));
    const QString footer = dir.filePath(QStringLiteral("footer.html"));

    // A text that ends with a break gains an empty line; one that does not gains a break.
    ASSERT_EQ(writeBoxFile(header, headerFileBytes(QStringLiteral("<HTML>\r\n"))), QString());
    ASSERT_EQ(writeBoxFile(footer, footerFileBytes(QStringLiteral("</HTML>"))), QString());
    EXPECT_EQ(test::readFile(header), QByteArray("<HTML>\r\n\r\n"));
    EXPECT_EQ(test::readFile(footer), QByteArray("</HTML>\r\n"));
    EXPECT_EQ(readBoxFile(header), QStringLiteral("<HTML>\r\n\r\n"));
    EXPECT_EQ(readBoxFile(footer), QStringLiteral("</HTML>\r\n"));

    // An empty text gives a file of one empty line and reads back as one break.
    ASSERT_EQ(writeBoxFile(header, headerFileBytes(QString())), QString());
    EXPECT_EQ(test::readFile(header), QByteArray("\r\n"));
    EXPECT_EQ(readBoxFile(header), QStringLiteral("\r\n"));

    QString reason;
    EXPECT_EQ(readBoxFile(dir.filePath(QStringLiteral("none.html")), &reason), std::nullopt);
    EXPECT_TRUE(reason.contains(QStringLiteral("none.html"))) << reason.toStdString();
}

TEST(HeaderFooterFiles, FooterFileLosesOnlyOuterSpaces)
{
    EXPECT_EQ(footerFileBytes(QStringLiteral("  </BODY>  ")), QByteArray("</BODY>\r\n"));
    EXPECT_EQ(footerFileBytes(QStringLiteral("\t </BODY>\r\n ")), QByteArray("\t </BODY>\r\n\r\n"));
    EXPECT_EQ(footerFileBytes(QStringLiteral("   ")), QByteArray("\r\n"));
    // The header is written exactly.
    EXPECT_EQ(headerFileBytes(QStringLiteral("  <P>  ")), QByteArray("  <P>  \r\n"));
    // Text outside ASCII in the system's encoding (UTF-8 here).
    EXPECT_EQ(headerFileBytes(QStringLiteral("Caf\u00e9")), QStringLiteral("Caf\u00e9\r\n").toLocal8Bit());
}

TEST(HeaderFooterFiles, FailedWriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A path below a file cannot be written.
    const QString blocker = dir.filePath(QStringLiteral("file"));
    ASSERT_TRUE(test::writeFile(blocker, "old\r\n"));
    const QString message = writeBoxFile(blocker + QStringLiteral("/header.html"), "x\r\n");
    EXPECT_FALSE(message.isEmpty());
    EXPECT_EQ(test::readFile(blocker), QByteArray("old\r\n"));
}

TEST(HeaderFooterFiles, PipesAndFoldersAreNotRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A pipe nobody writes to would keep the editor waiting forever.
    const QString pipe = dir.filePath(QStringLiteral("default.def"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(readTemplateFile(pipe).has_value());
    QString reason;
    EXPECT_FALSE(readBoxFile(pipe, &reason).has_value());
    EXPECT_TRUE(reason.contains(QLatin1String("not a file"))) << qPrintable(reason);
    EXPECT_FALSE(readBoxFile(dir.path(), &reason).has_value());
}
