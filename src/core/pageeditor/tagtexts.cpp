// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageeditor/tagtexts.h"

#include "platform/relativereference.h"

#include <QRegularExpression>
#include <QStringList>

namespace quorvel
{

const std::array<TagButton, kTagButtonCount> &tagButtons()
{
    static const std::array<TagButton, kTagButtonCount> buttons = { {
        { "<hr>", QT_TRANSLATE_NOOP("quorvel::Form4", "Add a line to the html coding"), "<HR>", nullptr, false },
        { "<p>", QT_TRANSLATE_NOOP("quorvel::Form4", "Add a paragraph to the html coding"), "<P>", "</P>", false },
        { "<h1>", QT_TRANSLATE_NOOP("quorvel::Form4", "heading 1"), "<H1>", "</H1>", true },
        { "<h2>", QT_TRANSLATE_NOOP("quorvel::Form4", "heading 2"), "<H2>", "</H2>", true },
        { "<h3>", QT_TRANSLATE_NOOP("quorvel::Form4", "heading 3"), "<H3>", "</H3>", true },
        { "<h4>", QT_TRANSLATE_NOOP("quorvel::Form4", "heading 4"), "<H4>", "</H4>", true },
        { "<h5>", QT_TRANSLATE_NOOP("quorvel::Form4", "heading 5"), "<H5>", "</H5>", true },
        { "<h6>", QT_TRANSLATE_NOOP("quorvel::Form4", "heading 6"), "<H6>", "</H6>", true },
        { "<center>", QT_TRANSLATE_NOOP("quorvel::Form4", "Center Html coding"), "<CENTER>", "</CENTER>", true },
        { "<br>", QT_TRANSLATE_NOOP("quorvel::Form4", "Insert line break"), "<BR>", nullptr, false },
        { "<b>", QT_TRANSLATE_NOOP("quorvel::Form4", "Bold text"), "<B>", "</B>", true },
        { "<i>", QT_TRANSLATE_NOOP("quorvel::Form4", "Italic Text"), "<I>", "</I>", true },
        { "<u>", QT_TRANSLATE_NOOP("quorvel::Form4", "Underline Text"), "<U>", "</U>", true },
        { QT_TRANSLATE_NOOP("quorvel::Form4", "Body/Textcolor"),
            QT_TRANSLATE_NOOP("quorvel::Form4", "Change the body/text color"),
            "",
            nullptr,
            false },
    } };
    return buttons;
}

TagInsertion tagButtonInsertion(int index, const QString &selection)
{
    if (index < 0 || index >= kColorTagButton)
        return {};
    const TagButton &button = tagButtons()[static_cast<std::size_t>(index)];
    if (!button.closeTag)
        return { QLatin1String(button.openTag), 0 };
    const QString close = QLatin1String(button.closeTag);
    const QString inner = button.wrapsSelection ? selection : QString();
    return { QLatin1String(button.openTag) + inner + close, static_cast<int>(close.size()) };
}

QString colorHex(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return QStringLiteral("%1%2%3")
        .arg(rgb.red(), 2, 16, QLatin1Char('0'))
        .arg(rgb.green(), 2, 16, QLatin1Char('0'))
        .arg(rgb.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString bodyColorTag(const QColor &background, const QColor &text)
{
    return QStringLiteral("<BODY BGCOLOR = \"#%1\" TEXT = \"#%2\">").arg(colorHex(background), colorHex(text));
}

QString escapeFileName(const QString &name)
{
    QString escaped;
    escaped.reserve(name.size());
    for (const QChar c : name) {
        if (c == u'&')
            escaped += QStringLiteral("&amp;");
        else if (c == u'"')
            escaped += QStringLiteral("&quot;");
        else if (c == u'<')
            escaped += QStringLiteral("&lt;");
        else
            escaped += c;
    }
    return escaped;
}

QString fileReference(const QString &fileName)
{
    QString encoded;
    encoded.reserve(fileName.size());
    for (qsizetype i = 0; i < fileName.size(); ++i) {
        const char16_t c = fileName[i].unicode();
        // A browser drops control characters and the blanks at either end of an
        // address, and reads "%", "#", "?" and "\" as address syntax.
        const bool edgeBlank = c == u' ' && (i == 0 || i == fileName.size() - 1);
        if (c < 0x20 || c == 0x7F || edgeBlank || c == u'%' || c == u'#' || c == u'?' || c == u'\\')
            encoded += QStringLiteral("%%1").arg(int(c), 2, 16, QLatin1Char('0')).toUpper();
        else
            encoded += QChar(c);
    }
    return escapeFileName(relativeReference(encoded));
}

QString linkTag(const QString &fileName)
{
    return QStringLiteral("<A HREF=\"%1\">%2</A>").arg(fileReference(fileName), escapeFileName(fileName));
}

QString imageTag(const QString &fileName)
{
    return QStringLiteral("<IMG SRC=\"%1\">").arg(fileReference(fileName));
}

QString backgroundTag(const QString &fileName)
{
    return QStringLiteral("<BODY BACKGROUND=\"%1\">").arg(fileReference(fileName));
}

const std::array<InsertMenuItem, 6> &pageStructureItems()
{
    static const std::array<InsertMenuItem, 6> items = { {
        { "mnuBanner", QT_TRANSLATE_NOOP("quorvel::Form4", "&Banner"), "<BANNER></BANNER>" },
        { "mnuBase", QT_TRANSLATE_NOOP("quorvel::Form4", "B&ase"), "<BASE></BASE>" },
        { "mnuBody", QT_TRANSLATE_NOOP("quorvel::Form4", "B&ody"), "<BODY></BODY>" },
        { "mnuHead", QT_TRANSLATE_NOOP("quorvel::Form4", "&Head"), "<HEAD></HEAD>" },
        { "mnuHtml", QT_TRANSLATE_NOOP("quorvel::Form4", "H&TML"), "<HTML></HTML>" },
        { "mnuTitle", QT_TRANSLATE_NOOP("quorvel::Form4", "&Title"), "<TITLE></TITLE>" },
    } };
    return items;
}

const std::array<InsertMenuItem, 8> &physicalStyleItems()
{
    static const std::array<InsertMenuItem, 8> items = { {
        { "mnuBlink", QT_TRANSLATE_NOOP("quorvel::Form4", "&Blink"), "<BLINK></BLINK>" },
        { "mnuBold", QT_TRANSLATE_NOOP("quorvel::Form4", "B&old"), "<BOLD></BOLD>" },
        { "mnuEmp", QT_TRANSLATE_NOOP("quorvel::Form4", "&Emphasis"), "<EM></EM>" },
        { "mnuItalic", QT_TRANSLATE_NOOP("quorvel::Form4", "&Italic"), "<I></I>" },
        { "mnunder", QT_TRANSLATE_NOOP("quorvel::Form4", "&Undelined"), "<U></U>" },
        { "mnuStrike", QT_TRANSLATE_NOOP("quorvel::Form4", "&Strikethrough"), "<S></S>" },
        { "mnuSub", QT_TRANSLATE_NOOP("quorvel::Form4", "S&ubscript"), "<SUB></SUB>" },
        { "mnuSuper", QT_TRANSLATE_NOOP("quorvel::Form4", "Su&perscript"), "<SUP></SUP>" },
    } };
    return items;
}

const std::array<InsertMenuItem, 6> &headingItems()
{
    static const std::array<InsertMenuItem, 6> items = { {
        { "mnuH1", QT_TRANSLATE_NOOP("quorvel::Form4", "Heading 1"), "<H1></H1>" },
        { "mnuH2", QT_TRANSLATE_NOOP("quorvel::Form4", "Heading 2"), "<H2></H2>" },
        { "mnuH3", QT_TRANSLATE_NOOP("quorvel::Form4", "Heading 3"), "<H3></H3>" },
        { "mnuH4", QT_TRANSLATE_NOOP("quorvel::Form4", "Heading 4"), "<H4></H4>" },
        { "mnuH5", QT_TRANSLATE_NOOP("quorvel::Form4", "Heading 5"), "<H5></H5>" },
        { "mnuH6", QT_TRANSLATE_NOOP("quorvel::Form4", "Heading 6"), "<H6></H6>" },
    } };
    return items;
}

QString qtFileFilter(const QString &commonDialogFilter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = commonDialogFilter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        description.remove(trailingPatterns);
        QStringList patterns = parts.at(i + 1).split(u';', Qt::SkipEmptyParts);
        for (QString &pattern : patterns)
            pattern = pattern.trimmed();
        patterns.removeAll(QString());
        if (patterns.isEmpty())
            continue;
        const QString joined = patterns.join(u' ');
        entries.append(description.isEmpty() ? joined : QStringLiteral("%1 (%2)").arg(description, joined));
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace quorvel
