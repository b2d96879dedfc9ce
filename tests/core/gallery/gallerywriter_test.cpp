// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery/gallerywriter.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace quorvel;

namespace
{

struct Cell {
    QString picture;
    QString thumbnail;
};

/// The bytes of a whole page: begin, a cell and its end per picture, end.
QByteArray page(AppState &state, const QList<Cell> &cells)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    GalleryWriter writer(state);
    writer.beginPage(&buffer);
    for (const Cell &cell : cells) {
        writer.writeCell(cell.picture, cell.thumbnail);
        writer.endCell();
    }
    writer.endPage();
    return buffer.data();
}

AppState tableState(std::int16_t columns)
{
    AppState state;
    state.table = 1;
    state.columns = columns;
    state.tableBorder = 1;
    state.imageFolderRef = QStringLiteral("images/");
    state.headertext = QStringLiteral("H");
    state.footertext = QStringLiteral("F");
    return state;
}

const QList<Cell> kThree {
    { QStringLiteral("a.jpg"), QStringLiteral("t_a.jpg") },
    { QStringLiteral("b.jpg"), QStringLiteral("t_b.jpg") },
    { QStringLiteral("c.jpg"), QStringLiteral("t_c.jpg") },
};

} // namespace

TEST(GalleryWriter, TableOfTwoColumnsIsTheFifteenLinePage)
{
    AppState state = tableState(2);
    EXPECT_EQ(page(state, kThree),
        QByteArray("H\r\n"
                   "<TABLE border = 1>\r\n"
                   "<TR>\r\n"
                   "<TD>\r\n"
                   "<a href = a.jpg><img src = images/t_a.jpg border = 0></a>\r\n"
                   "</TD>\r\n"
                   "<TD>\r\n"
                   "<a href = b.jpg><img src = images/t_b.jpg border = 0></a>\r\n"
                   "</TD>\r\n"
                   "</TR><TR>\r\n"
                   "<TD>\r\n"
                   "<a href = c.jpg><img src = images/t_c.jpg border = 0></a>\r\n"
                   "</TD>\r\n"
                   "</TD></TR></TABLE>\r\n"
                   "F\r\n"));
    EXPECT_EQ(state.cellCount, 1); // the unfinished last row
}

TEST(GalleryWriter, WithoutTableTheFooterIsLeftOut)
{
    AppState state;
    state.headertext = QStringLiteral("H");
    state.footertext = QStringLiteral("F");
    const QList<Cell> plain {
        { QStringLiteral("a.jpg"), QStringLiteral("a.jpg") },
        { QStringLiteral("b.jpg"), QStringLiteral("b.jpg") },
        { QStringLiteral("c.jpg"), QStringLiteral("c.jpg") },
    };
    EXPECT_EQ(page(state, plain),
        QByteArray("H\r\n"
                   "<a href = a.jpg><img src = a.jpg border = 0></a>\r\n"
                   "<a href = b.jpg><img src = b.jpg border = 0></a>\r\n"
                   "<a href = c.jpg><img src = c.jpg border = 0></a>\r\n"));
    EXPECT_EQ(state.cellCount, 3); // counted although no row is ever broken
}

TEST(GalleryWriter, RowBreaksFollowTheColumnCount)
{
    const auto rowBreaks = [](std::int16_t columns, int pictures) {
        AppState state = tableState(columns);
        QList<Cell> cells;
        for (int i = 0; i < pictures; ++i)
            cells.append({ QStringLiteral("p%1.jpg").arg(i), QStringLiteral("p%1.jpg").arg(i) });
        return page(state, cells).count("</TR><TR>\r\n");
    };
    EXPECT_EQ(rowBreaks(1, 3), 3); // every cell ends its row
    EXPECT_EQ(rowBreaks(0, 5), 0); // never reached: one long row
    EXPECT_EQ(rowBreaks(-2, 5), 0);
    EXPECT_EQ(rowBreaks(2, 4), 2);

    // A multiple of the columns leaves an empty last row before the table end.
    AppState state = tableState(2);
    EXPECT_TRUE(page(state, kThree.mid(0, 2)).endsWith("</TD>\r\n</TR><TR>\r\n</TD></TR></TABLE>\r\nF\r\n"));
}

TEST(GalleryWriter, EmptyTableHasItsFrameOnlyAndBorderZeroIsWritten)
{
    AppState state = tableState(4);
    state.tableBorder = 0;
    EXPECT_EQ(page(state, {}), QByteArray("H\r\n<TABLE border = 0>\r\n<TR>\r\n</TD></TR></TABLE>\r\nF\r\n"));
}

TEST(GalleryWriter, HeaderAndFooterAreWrittenUnchanged)
{
    AppState state = tableState(4);
    state.headertext = QStringLiteral("<html>\r\n<body>\r\nCaf\u00e9");
    state.footertext = QString();
    EXPECT_EQ(page(state, {}),
        QByteArray("<html>\r\n<body>\r\nCaf\xc3\xa9\r\n<TABLE border = 1>\r\n<TR>\r\n</TD></TR></TABLE>\r\n\r\n"));
}

TEST(GalleryWriter, NamesThatWouldBreakTheTagArePercentEncoded)
{
    EXPECT_EQ(GalleryWriter::anchorLine(QStringLiteral("my cat.jpg"), QString(), QStringLiteral("t_my cat.jpg")),
        QStringLiteral("<a href = my%20cat.jpg><img src = t_my%20cat.jpg border = 0></a>"));
    // A hostile name stays one value inside its attribute.
    const QString hostile = QStringLiteral("a.jpg onmouseover=alert(1).jpg");
    EXPECT_EQ(GalleryWriter::anchorLine(hostile, QString(), hostile),
        QStringLiteral("<a href = a.jpg%20onmouseover%3Dalert(1).jpg>"
                       "<img src = a.jpg%20onmouseover%3Dalert(1).jpg border = 0></a>"));
    EXPECT_EQ(
        GalleryWriter::encodeName(QStringLiteral("\"'<>`#?%&\\x")), QStringLiteral("%22%27%3C%3E%60%23%3F%25%26%5Cx"));
    EXPECT_EQ(GalleryWriter::encodeName(QStringLiteral("olympus-\u03bc.jpg")), QStringLiteral("olympus-%CE%BC.jpg"));
    EXPECT_EQ(GalleryWriter::encodeName(QStringLiteral("a/b")), QStringLiteral("a%2Fb"));
    // Plain names are written exactly as they are.
    EXPECT_EQ(
        GalleryWriter::encodeName(QStringLiteral("IMG_0001-(2)+x~y,z.JPG")), QStringLiteral("IMG_0001-(2)+x~y,z.JPG"));
}

TEST(GalleryWriter, ImageFolderReferenceGetsItsSeparator)
{
    EXPECT_EQ(GalleryWriter::folderReference(QString()), QString());
    EXPECT_EQ(GalleryWriter::folderReference(QStringLiteral("images")), QStringLiteral("images/"));
    EXPECT_EQ(GalleryWriter::folderReference(QStringLiteral("images/")), QStringLiteral("images/"));
    EXPECT_EQ(GalleryWriter::folderReference(QStringLiteral("web\\thumbs")), QStringLiteral("web/thumbs/"));
    EXPECT_EQ(GalleryWriter::folderReference(QStringLiteral("../my pics")), QStringLiteral("../my%20pics/"));
    EXPECT_EQ(GalleryWriter::folderReference(QStringLiteral("http://example.org/t/")),
        QStringLiteral("http://example.org/t/"));
}

TEST(GalleryWriter, CellsAreCountedWithoutAnOpenPage)
{
    AppState state = tableState(2);
    GalleryWriter writer(state);
    writer.writeCell(QStringLiteral("a.jpg"), QStringLiteral("a.jpg"));
    writer.endCell();
    EXPECT_EQ(state.cellCount, 1);
    writer.endCell();
    EXPECT_EQ(state.cellCount, 0); // the row is still broken
    EXPECT_FALSE(writer.isOpen());
}
