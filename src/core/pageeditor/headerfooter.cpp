// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageeditor/headerfooter.h"

#include "app/maker.h"
#include "platform/atomicfile.h"
#include "platform/plainfile.h"

#include <QCoreApplication>
#include <QDir>

namespace quorvel
{
namespace
{

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QStringList splitFileLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(QString::fromLocal8Bit(bytes.mid(start, i - start)));
        if (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(QString::fromLocal8Bit(bytes.mid(start)));
    return lines;
}

QString joinBoxLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + kCrLf;
    return text;
}

HeaderFooterTexts parseTemplate(const QByteArray &bytes)
{
    HeaderFooterTexts texts;
    bool inFooter = false;
    const QString marker = QLatin1String(kFooterMarker);
    for (const QString &line : splitFileLines(bytes)) {
        if (line == marker) {
            inFooter = true;
            continue;
        }
        (inFooter ? texts.footer : texts.header) += line + kCrLf;
    }
    return texts;
}

QString pageCharset()
{
#ifdef Q_OS_WIN
    // The ANSI code page of western Windows systems.
    return QStringLiteral("iso-8859-1");
#else
    // Files are written in the locale's encoding, which Qt takes as UTF-8 here.
    return QStringLiteral("utf-8");
#endif
}

HeaderFooterTexts builtInTexts()
{
    const QString name = QLatin1String(kProgramName);
    // Beside the page, where a creation run puts them (putLogoPicturesBesidePage).
    const QString logo = QStringLiteral("vellodeflogo.jpg");
    const QString line = QStringLiteral("line.jpg");
    const QStringList header = {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">"),
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("\t<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=%1\">").arg(pageCharset()),
        QStringLiteral("\t<META NAME=\"GENERATOR\" CONTENT=\"%1\">").arg(name),
        QStringLiteral("\t<TITLE>%1 - Making instant webimage libraries from your images!</TITLE>").arg(name),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY TEXT=\"blue\" BGCOLOR=\"white\">"),
        QString(),
        QStringLiteral("<CENTER>"),
        QStringLiteral("<P><IMG SRC=\"%1\" WIDTH=\"204\" HEIGHT=\"47\" ALIGN=\"BOTTOM\" BORDER=\"0\"></P>").arg(logo),
        QString(),
        QStringLiteral("<P><IMG SRC=\"%1\" WIDTH=\"621\" HEIGHT=\"13\" ALIGN=\"BOTTOM\" BORDER=\"0\"><BR>").arg(line),
        QStringLiteral("<FONT SIZE=\"1\">If the thumbnails and images below do not show, change the URL path setting "
                       "in the defaults"),
        QStringLiteral("to point to your new thumbnails and images, and run %1 again. The code below was made on the "
                       "assumption")
            .arg(name),
        QStringLiteral("that the pictures and this page are uploaded to a server.</FONT></P>"),
        QStringLiteral("<P>"),
    };
    const QString small = QStringLiteral("<FONT SIZE=\"2\" FACE=\"MS\"><I>%1</I></FONT>");
    const QStringList footer = {
        QStringLiteral("<P><IMG SRC=\"%1\" WIDTH=\"621\" HEIGHT=\"13\" ALIGN=\"BOTTOM\" BORDER=\"0\"><I></I></P>")
            .arg(line),
        QString(),
        small.arg(QStringLiteral("This page created with")),
        small.arg(name),
        // The maker has no web site to link to: the name alone.
        small.arg(QStringLiteral("from %1").arg(QLatin1String(kMakerName))),
        QStringLiteral("</CENTER>"),
        QStringLiteral("</BODY>"),
        QStringLiteral("</HTML>"),
    };
    return { joinBoxLines(header), joinBoxLines(footer) };
}

std::optional<HeaderFooterTexts> readTemplateFile(const QString &path)
{
    const std::optional<QByteArray> bytes = readPlainFile(path);
    if (!bytes)
        return std::nullopt;
    return parseTemplate(*bytes);
}

std::optional<QString> readBoxFile(const QString &path, QString *reason)
{
    QString why;
    const std::optional<QByteArray> bytes = readPlainFile(path, &why);
    if (!bytes) {
        if (reason) {
            *reason = QCoreApplication::translate("quorvel", "Could not read \"%1\": %2.")
                          .arg(QDir::toNativeSeparators(path), why);
        }
        return std::nullopt;
    }
    return joinBoxLines(splitFileLines(*bytes));
}

QByteArray headerFileBytes(const QString &header)
{
    return header.toLocal8Bit() + "\r\n";
}

QByteArray footerFileBytes(const QString &footer)
{
    qsizetype begin = 0;
    qsizetype end = footer.size();
    while (begin < end && footer.at(begin) == u' ')
        ++begin;
    while (end > begin && footer.at(end - 1) == u' ')
        --end;
    return footer.mid(begin, end - begin).toLocal8Bit() + "\r\n";
}

QString writeBoxFile(const QString &path, const QByteArray &bytes)
{
    return writeFileAtomically(path, bytes);
}

} // namespace quorvel
