// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery/gallerywriter.h"

#include "platform/relativereference.h"

#include <QIODevice>

namespace quorvel
{
namespace
{

bool needsEncoding(uchar byte, bool keepSlash)
{
    if (byte <= 0x20 || byte >= 0x7F)
        return true;
    switch (byte) {
    case '"':
    case '\'':
    case '<':
    case '>':
    case '`':
    case '=':
    case '#':
    case '?':
    case '%':
    case '&':
    case '\\':
        return true;
    case '/':
        return !keepSlash;
    default:
        return false;
    }
}

QString percentEncode(const QString &text, bool keepSlash)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const QByteArray utf8 = text.toUtf8();
    QString result;
    result.reserve(utf8.size());
    for (const char c : utf8) {
        const auto byte = static_cast<uchar>(c);
        if (needsEncoding(byte, keepSlash)) {
            result += QLatin1Char('%');
            result += QLatin1Char(kHex[byte >> 4]);
            result += QLatin1Char(kHex[byte & 0xF]);
        } else {
            result += QLatin1Char(c);
        }
    }
    return result;
}

} // namespace

GalleryWriter::GalleryWriter(AppState &state)
    : m_state(state)
{
}

QString GalleryWriter::encodeName(const QString &name)
{
    return percentEncode(name, false);
}

QString GalleryWriter::folderReference(const QString &typed)
{
    QString reference = typed;
    reference.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!reference.isEmpty() && !reference.endsWith(QLatin1Char('/')))
        reference += QLatin1Char('/');
    return percentEncode(reference, true);
}

QString GalleryWriter::anchorLine(
    const QString &pictureName, const QString &imageFolderRef, const QString &thumbnailName)
{
    // Without an image folder the thumbnail's name begins the image reference.
    const QString folder = folderReference(imageFolderRef);
    const QString image =
        folder.isEmpty() ? relativeReference(encodeName(thumbnailName)) : folder + encodeName(thumbnailName);
    return QStringLiteral("<a href = ") + relativeReference(encodeName(pictureName)) + QStringLiteral("><img src = ")
        + image + QStringLiteral(" border = 0></a>");
}

void GalleryWriter::writeLine(const QString &text)
{
    if (!m_device)
        return;
    // A failed write is noticed when the owner commits the file.
    m_device->write(text.toLocal8Bit() + "\r\n");
}

void GalleryWriter::beginPage(QIODevice *device)
{
    m_device = device;
    writeLine(m_state.headertext);
    if (m_state.table == 1) {
        writeLine(QStringLiteral("<TABLE border = %1>").arg(m_state.tableBorder));
        writeLine(QStringLiteral("<TR>"));
        m_state.cellCount = 0;
    }
}

void GalleryWriter::writeCell(const QString &pictureName, const QString &thumbnailName)
{
    if (m_state.table == 1)
        writeLine(QStringLiteral("<TD>"));
    writeLine(anchorLine(pictureName, m_state.imageFolderRef, thumbnailName));
}

void GalleryWriter::endCell()
{
    m_state.cellCount = static_cast<std::int16_t>(m_state.cellCount + 1);
    if (m_state.table != 1)
        return;
    // Without an open page the lines go nowhere, but the row is still counted.
    writeLine(QStringLiteral("</TD>"));
    if (m_state.cellCount == m_state.columns) {
        writeLine(QStringLiteral("</TR><TR>"));
        m_state.cellCount = 0;
    }
}

void GalleryWriter::endPage()
{
    if (m_state.table == 1) {
        writeLine(QStringLiteral("</TD></TR></TABLE>"));
        writeLine(m_state.footertext);
    }
    m_device = nullptr;
}

} // namespace quorvel
