// SPDX-License-Identifier: GPL-3.0-or-later
// The page editor's logic that needs no browser engine: command numbers, block
// formats, colour text, table HTML, error numbers, reading and writing pages.
#include "testsupport.h"
#include "wysiwyg/blockformat.h"
#include "wysiwyg/documentfile.h"
#include "wysiwyg/editcommand.h"
#include "wysiwyg/htmlcolor.h"
#include "wysiwyg/inserttable.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(HtmlColor, ColourValuesBecomeRedGreenBlueText)
{
    const struct {
        unsigned int value;
        const char *text;
    } cases[] = {
        { 255, "#FF0000" },
        { 0x00FF00, "#00FF00" },
        { 0xFF0000, "#0000FF" },
        { 0, "#000000" },
        { 0x123456, "#563412" },
        { 0xFFFFFF, "#FFFFFF" },
        { 0x01ABCDEF, "#EFCDAB" }, // bits above the colour are ignored
    };
    for (const auto &c : cases)
        EXPECT_EQ(htmlColor(c.value), QLatin1String(c.text)) << c.value;
    EXPECT_EQ(colorValue(QColor(255, 0, 0)), 255u);
    EXPECT_EQ(htmlColor(colorValue(QColor(0x12, 0x34, 0x56))), QStringLiteral("#123456"));
}

TEST(EditCommand, NumbersAndKeysAreOneToOne)
{
    QSet<QString> keys;
    int commands = 0;
    for (int number = 4990; number < 5060; ++number) {
        const std::optional<EditCommand> command = editCommandFromNumber(number);
        if (!command)
            continue;
        ++commands;
        EXPECT_EQ(static_cast<int>(*command), number);
        const QString key = editCommandKey(*command);
        EXPECT_FALSE(key.isEmpty()) << number;
        keys.insert(key);
    }
    EXPECT_EQ(commands, 51);
    EXPECT_EQ(keys.size(), commands);
    EXPECT_FALSE(editCommandFromNumber(5001));
    EXPECT_EQ(editCommandKey(EditCommand::InsertTable), QStringLiteral("insertTable"));
    EXPECT_EQ(static_cast<int>(EditCommand::SetForeColor), 5046);
}

TEST(EditCommand, StatusAndFontSizes)
{
    EXPECT_EQ(commandStatus(false, true), StatusDisabled);
    EXPECT_EQ(commandStatus(true, false), StatusEnabled);
    EXPECT_EQ(commandStatus(true, true), StatusLatched);
    EXPECT_EQ(htmlFontSizeFromPoints(12), 3);
    EXPECT_EQ(htmlFontSizeFromPoints(1), 1);
    EXPECT_EQ(htmlFontSizeFromPoints(100), 7);
    EXPECT_EQ(htmlFontSizeFromPoints(20), 5); // nearer 18 than 24
    EXPECT_EQ(pointsFromHtmlFontSize(0), 8);
    EXPECT_EQ(pointsFromHtmlFontSize(7), 36);
    for (int size = 1; size <= 7; ++size)
        EXPECT_EQ(htmlFontSizeFromPoints(pointsFromHtmlFontSize(size)), size);
}

TEST(BlockFormat, NamesTagsAndBack)
{
    const QStringList names = blockFormatNames();
    ASSERT_GE(names.size(), 9);
    EXPECT_EQ(names.mid(0, 9),
        QStringList({ "Normal",
            "Formatted",
            "Address",
            "Heading 1",
            "Heading 2",
            "Heading 3",
            "Heading 4",
            "Heading 5",
            "Heading 6" }));
    for (const QString &name : names) {
        const QString tag = blockFormatTag(name);
        EXPECT_FALSE(tag.isEmpty()) << name.toStdString();
        EXPECT_EQ(blockFormatName(tag), name);
    }
    EXPECT_EQ(blockFormatTag(QStringLiteral("Heading 3")), QStringLiteral("h3"));
    EXPECT_EQ(blockFormatTag(QStringLiteral("heading 3")), QString());
    EXPECT_EQ(blockFormatName(QStringLiteral("H2")), QStringLiteral("Heading 2"));
    EXPECT_EQ(blockFormatName(QStringLiteral("body")), QStringLiteral("Normal"));
    EXPECT_EQ(blockFormatName(QStringLiteral("td")), QStringLiteral("Normal"));
}

TEST(InsertTable, HtmlHasRowsColumnsAttributesAndEscapedCaption)
{
    InsertTableParams params;
    params.rows = 2;
    params.columns = 3;
    params.tableAttributes = QStringLiteral(" border=2  width=50% ");
    params.cellAttributes = QStringLiteral("bgcolor=yellow");
    params.caption = QStringLiteral("Fish & <chips>");
    const QString html = insertTableHtml(params);
    EXPECT_TRUE(
        html.startsWith(QStringLiteral("<table border=2 width=50%><caption>Fish &amp; &lt;chips&gt;</caption>")))
        << html.toStdString();
    EXPECT_EQ(html.count(QStringLiteral("<tr>")), 2);
    EXPECT_EQ(html.count(QStringLiteral("<td bgcolor=yellow>")), 6);

    params = {};
    params.rows = 0;
    params.columns = -4;
    params.tableAttributes.clear();
    const QString smallest = insertTableHtml(params);
    EXPECT_TRUE(smallest.startsWith(QStringLiteral("<table><tbody>")));
    EXPECT_EQ(smallest.count(QStringLiteral("<td>")), 1);
    EXPECT_FALSE(smallest.contains(QStringLiteral("caption")));
}

TEST(DocumentFile, ReasonTexts)
{
    EXPECT_EQ(loadErrorReason(DocumentFileNotFound), QStringLiteral("File not found"));
    EXPECT_EQ(loadErrorReason(DocumentPathNotFound), QStringLiteral("Path not found"));
    EXPECT_EQ(loadErrorReason(DocumentAccessDenied), QStringLiteral("Access denied"));
    EXPECT_EQ(loadErrorReason(DocumentFrameset), QStringLiteral("Document contains a frameset"));
    EXPECT_EQ(loadErrorReason(DocumentServerScript), QStringLiteral("Document is primarily server side script"));
    EXPECT_EQ(loadErrorReason(DocumentUnexpected), QStringLiteral("Unexpected error"));
    EXPECT_EQ(loadErrorReason(DocumentDiskFull), QStringLiteral("Unknown error")); // no load reason
    EXPECT_EQ(saveErrorReason(DocumentDiskFull), QStringLiteral("Disk is full"));
    EXPECT_EQ(saveErrorReason(DocumentInvalidArgument), QStringLiteral("Invalid argument"));
    EXPECT_EQ(saveErrorReason(DocumentFileNotFound), QStringLiteral("Unknown error")); // no save reason
    EXPECT_EQ(saveErrorReason(12345), QStringLiteral("Unknown error"));
}

TEST(DocumentFile, ReadingReportsWhatIsWrong)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray bytes;
    EXPECT_EQ(readDocumentFile(dir.filePath(QStringLiteral("none.html")), bytes), DocumentFileNotFound);
    EXPECT_EQ(readDocumentFile(dir.filePath(QStringLiteral("no/such.html")), bytes), DocumentPathNotFound);
    EXPECT_EQ(readDocumentFile(dir.path(), bytes), DocumentFileNotFound); // a folder is no page
    EXPECT_EQ(readDocumentFile(QString(), bytes), DocumentInvalidArgument);

    const QString frames = dir.filePath(QStringLiteral("frames.html"));
    writeFile(frames, "<html><FRAMESET cols=\"50%,50%\"><frame src=a.html></frameset></html>");
    EXPECT_EQ(readDocumentFile(frames, bytes), DocumentFrameset);

    const QString page = dir.filePath(QStringLiteral("page.html"));
    writeFile(page, "<html><!-- <frameset> was here --><body><p>framesets are old</p></body></html>");
    EXPECT_EQ(readDocumentFile(page, bytes), DocumentOk);
    EXPECT_TRUE(bytes.contains("framesets are old"));
}

TEST(DocumentFile, WritingIsAtomicAndReportsWhatIsWrong)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString page = dir.filePath(QStringLiteral("page.html"));
    EXPECT_EQ(writeDocumentFile(page, "<p>one</p>"), DocumentOk);
    EXPECT_EQ(readFile(page), QByteArray("<p>one</p>"));
    EXPECT_EQ(writeDocumentFile(page, "<p>two</p>"), DocumentOk);
    EXPECT_EQ(readFile(page), QByteArray("<p>two</p>"));
    EXPECT_EQ(writeDocumentFile(dir.filePath(QStringLiteral("missing/page.html")), "x"), DocumentPathNotFound);
    EXPECT_EQ(writeDocumentFile(dir.path(), "x"), DocumentAccessDenied);
    EXPECT_EQ(writeDocumentFile(QString(), "x"), DocumentInvalidArgument);

    {
        test::FileSizeLimit limit(64);
        ASSERT_TRUE(limit.active()) << "file size limits are not available here";
        EXPECT_EQ(writeDocumentFile(page, QByteArray(4096, 'x')), DocumentDiskFull);
    }
    EXPECT_EQ(readFile(page), QByteArray("<p>two</p>")); // the old page is whole
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("page.html") });
}
