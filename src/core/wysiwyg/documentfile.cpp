// SPDX-License-Identifier: GPL-3.0-or-later
#include "wysiwyg/documentfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace quorvel
{

QString loadErrorReason(std::uint32_t error)
{
    switch (error) {
    case DocumentInvalidArgument:
        return QCoreApplication::translate("DocumentFile", "Invalid argument");
    case DocumentAccessDenied:
        return QCoreApplication::translate("DocumentFile", "Access denied");
    case DocumentFileNotFound:
        return QCoreApplication::translate("DocumentFile", "File not found");
    case DocumentPathNotFound:
        return QCoreApplication::translate("DocumentFile", "Path not found");
    case DocumentFrameset:
        return QCoreApplication::translate("DocumentFile", "Document contains a frameset");
    case DocumentServerScript:
        return QCoreApplication::translate("DocumentFile", "Document is primarily server side script");
    case DocumentNotAPage:
        return QCoreApplication::translate("DocumentFile", "Not a web page");
    case DocumentUnexpected:
        return QCoreApplication::translate("DocumentFile", "Unexpected error");
    default:
        return QCoreApplication::translate("DocumentFile", "Unknown error");
    }
}

QString saveErrorReason(std::uint32_t error)
{
    switch (error) {
    case DocumentInvalidArgument:
        return QCoreApplication::translate("DocumentFile", "Invalid argument");
    case DocumentAccessDenied:
        return QCoreApplication::translate("DocumentFile", "Access denied");
    case DocumentDiskFull:
        return QCoreApplication::translate("DocumentFile", "Disk is full");
    case DocumentPathNotFound:
        return QCoreApplication::translate("DocumentFile", "Path not found");
    case DocumentNotAPage:
        return QCoreApplication::translate("DocumentFile", "Not a web page");
    case DocumentUnexpected:
        return QCoreApplication::translate("DocumentFile", "Unexpected error");
    default:
        return QCoreApplication::translate("DocumentFile", "Unknown error");
    }
}

namespace
{

/// How much of an existing file is looked at before a page is written over it:
/// pictures and archives show what they are in their first bytes.
constexpr qint64 kReplacedFilePrefix = 1 << 20;

/// Magic bytes that text never starts with, and what a file starting with them is:
/// a page cannot be mistaken for one of them.
struct Signature {
    qsizetype offset;
    QByteArrayView magic;
    qsizetype offset2; // a second part further on, when the first is short
    QByteArrayView magic2;
    const char *kind;
};

const Signature kSignatures[] = {
    { 0, QByteArrayView("\xFF\xD8\xFF", 3), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a JPEG picture") },
    { 0, QByteArrayView("\x89PNG\r\n\x1A\n", 8), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a PNG picture") },
    { 0, QByteArrayView("GIF87a", 6), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a GIF picture") },
    { 0, QByteArrayView("GIF89a", 6), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a GIF picture") },
    { 0, QByteArrayView("RIFF", 4), 8, QByteArrayView("WEBP", 4), QT_TRANSLATE_NOOP("DocumentFile", "a WebP picture") },
    { 0, QByteArrayView("II*\0", 4), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a TIFF picture") },
    { 0, QByteArrayView("MM\0*", 4), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a TIFF picture") },
    { 4, QByteArrayView("ftypheic", 8), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a HEIF picture") },
    { 4, QByteArrayView("ftypmif1", 8), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a HEIF picture") },
    { 4, QByteArrayView("ftypavif", 8), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a HEIF picture") },
    { 0, QByteArrayView("%PDF-", 5), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a PDF document") },
    { 0, QByteArrayView("PK\x03\x04", 4), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a ZIP archive") },
    { 0, QByteArrayView("PK\x05\x06", 4), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a ZIP archive") },
    { 0, QByteArrayView("\x1F\x8B", 2), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a compressed archive") },
    { 0,
        QByteArrayView("\xFD"
                       "7zXZ\0",
            6),
        0,
        {},
        QT_TRANSLATE_NOOP("DocumentFile", "a compressed archive") },
    { 0, QByteArrayView("7z\xBC\xAF\x27\x1C", 6), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a compressed archive") },
    { 0, QByteArrayView("Rar!\x1A\x07", 6), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a compressed archive") },
    { 0, QByteArrayView("\x28\xB5\x2F\xFD", 4), 0, {}, QT_TRANSLATE_NOOP("DocumentFile", "a compressed archive") },
    { 0,
        QByteArrayView("BZh", 3),
        4,
        QByteArrayView("1AY&SY", 6),
        QT_TRANSLATE_NOOP("DocumentFile", "a compressed archive") },
    { 0,
        QByteArrayView("\x7F"
                       "ELF",
            4),
        0,
        {},
        QT_TRANSLATE_NOOP("DocumentFile", "a program") },
};

/// What a file starting with known magic bytes is, or nullopt.
std::optional<QString> signatureKind(const QByteArray &bytes)
{
    const auto at = [&](qsizetype offset, QByteArrayView magic) {
        return QByteArrayView(bytes).sliced(std::min(offset, bytes.size())).startsWith(magic);
    };
    for (const Signature &signature : kSignatures) {
        if (at(signature.offset, signature.magic) && at(signature.offset2, signature.magic2))
            return QCoreApplication::translate("DocumentFile", signature.kind);
    }
    return std::nullopt;
}

/// Character sets in which every byte is a character (browsers read them all as
/// windows-1252): text in them cannot fail to decode.
bool decodesEveryByte(const QByteArray &charset)
{
    static const QByteArrayView names[] = {
        "windows-1252", "cp1252", "iso-8859-1", "iso8859-1", "latin1", "l1", "us-ascii", "ascii"
    };
    return std::find(std::begin(names), std::end(names), QByteArrayView(charset)) != std::end(names);
}

/// Whether decoded text is an SVG picture: its first element, after an XML
/// declaration, comments and a doctype, is <svg>.
bool isSvgPicture(const QString &text)
{
    static const QRegularExpression svg(
        QStringLiteral("^\\s*(<\\?xml[^>]*>\\s*)?((<!--.*?-->|<!DOCTYPE[^>]*>)\\s*)*<svg[\\s>/]"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return svg.match(QStringView(text).left(4096)).hasMatch();
}

/// The character set a page declares in a meta element of its first 1024 bytes, as
/// browsers look for it; empty when none. UTF-16 declared in a page that got this
/// far without a byte-order mark is read as UTF-8, as browsers do.
QByteArray declaredCharset(const QByteArray &bytes)
{
    static const QRegularExpression meta(
        QStringLiteral("<meta\\b[^>]*?\\bcharset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = meta.match(QString::fromLatin1(bytes.left(1024)));
    if (!match.hasMatch())
        return {};
    const QByteArray name = match.captured(1).toLatin1().toLower();
    if (name.startsWith("utf-16"))
        return QByteArrayLiteral("UTF-8");
    if (name == "x-user-defined")
        return QByteArrayLiteral("windows-1252");
    return name;
}

} // namespace

DocumentContent inspectDocumentContent(const QByteArray &bytes, bool wholeText)
{
    DocumentContent content;
    if (const std::optional<QString> kind = signatureKind(bytes)) {
        content.refusal = *kind;
        return content;
    }
    const QString binary = QCoreApplication::translate("DocumentFile", "binary data");
    const QString invalid = QCoreApplication::translate("DocumentFile", "text that is not valid %1, its character set");
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        content.charset = bytes.startsWith("\xFF") ? QByteArrayLiteral("UTF-16LE") : QByteArrayLiteral("UTF-16BE");
    } else if (bytes.contains('\0')) {
        content.refusal = binary;
        return content;
    } else if (bytes.startsWith("\xEF\xBB\xBF")) {
        content.charset = QByteArrayLiteral("UTF-8");
    } else {
        content.charset = declaredCharset(bytes);
    }
    const bool declared = !content.charset.isEmpty();
    if (!declared) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8(bytes);
        content.charset = utf8.hasError() ? QByteArrayLiteral("windows-1252") : QByteArrayLiteral("UTF-8");
        if (isSvgPicture(decoded))
            content.refusal = QCoreApplication::translate("DocumentFile", "an SVG picture");
        return content;
    }
    // A character set the system does not know is taken on trust.
    QStringDecoder decoder(content.charset.constData(), QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.isValid() ? decoder(wholeText ? bytes : bytes.left(4096)) : QString();
    if (decoded.contains(QChar(0)))
        content.refusal = binary;
    else if (wholeText && decoder.hasError() && !decodesEveryByte(content.charset))
        content.refusal = invalid.arg(QString::fromLatin1(content.charset).toUpper());
    else if (isSvgPicture(decoded))
        content.refusal = QCoreApplication::translate("DocumentFile", "an SVG picture");
    return content;
}

bool isFramesetDocument(const QByteArray &bytes)
{
    QString text = QString::fromLatin1(bytes);
    static const QRegularExpression comments(
        QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption);
    text.remove(comments);
    static const QRegularExpression frameset(
        QStringLiteral("<frameset[\\s>/]"), QRegularExpression::CaseInsensitiveOption);
    return text.contains(frameset);
}

std::uint32_t readDocumentFile(const QString &path, QByteArray &bytes, DocumentContent *content)
{
    if (path.isEmpty())
        return DocumentInvalidArgument;
    const QFileInfo info(path);
    if (!info.dir().exists())
        return DocumentPathNotFound;
    if (!info.exists() || info.isDir())
        return DocumentFileNotFound;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DocumentAccessDenied;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return DocumentUnexpected;
    const DocumentContent inspected = inspectDocumentContent(bytes);
    if (content)
        *content = inspected;
    if (!inspected.refusal.isEmpty())
        return DocumentNotAPage;
    if (isFramesetDocument(bytes))
        return DocumentFrameset;
    return DocumentOk;
}

std::uint32_t writeDocumentFile(const QString &path, const QByteArray &bytes, QString *refusal)
{
    if (path.isEmpty())
        return DocumentInvalidArgument;
    const QFileInfo info(path);
    if (!info.dir().exists())
        return DocumentPathNotFound;
    if (info.isDir() || (info.exists() && !info.isWritable()))
        return DocumentAccessDenied;
    if (info.exists()) {
        QFile existing(path);
        if (!info.isFile() || !existing.open(QIODevice::ReadOnly))
            return DocumentAccessDenied;
        const QString found = inspectDocumentContent(existing.read(kReplacedFilePrefix), false).refusal;
        if (!found.isEmpty()) {
            if (refusal)
                *refusal = found;
            return DocumentNotAPage;
        }
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return DocumentAccessDenied;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return DocumentDiskFull;
    }
    if (!file.commit()) {
        // The data was written; a failed rename is the folder or file refusing us.
        return file.error() == QFileDevice::RenameError ? DocumentAccessDenied : DocumentDiskFull;
    }
    return DocumentOk;
}

} // namespace quorvel
