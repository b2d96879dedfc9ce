// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <array>

namespace quorvel
{

/// What a command types into a box and how far the caret then moves back left.
struct TagInsertion {
    QString text;
    int caretLeft = 0;

    bool operator==(const TagInsertion &) const = default;
};

/// One of the fourteen tag buttons along the top of the page editor.
struct TagButton {
    const char *caption;
    const char *toolTip;
    /// The opening tag typed; empty for the colour button, which asks for colours.
    const char *openTag;
    /// The closing tag typed after the selection; null for a tag that has none.
    const char *closeTag;
    /// Whether the selection is kept between the tags ("<p>" replaces it instead).
    bool wrapsSelection;
};

inline constexpr int kTagButtonCount = 14;
/// The index of "Body/Textcolor", the button that writes a BODY tag with colours.
inline constexpr int kColorTagButton = 13;

/// The tag buttons, left to right (index 0 is "<hr>", 13 "Body/Textcolor").
const std::array<TagButton, kTagButtonCount> &tagButtons();

/// What tag button `index` (0 to 12) types for the selected text: the selection
/// wrapped in the tag pair with the caret before the closing tag, or a single tag
/// with the caret after it. The selection is taken as it is: nothing in it is
/// treated as a command.
TagInsertion tagButtonInsertion(int index, const QString &selection);

/// A colour's hexadecimal form: red, green and blue, each two uppercase hexadecimal
/// digits ("0580FF" for 5, 128, 255).
QString colorHex(const QColor &color);

/// The BODY tag of the colour command: BODY BGCOLOR = "#rrggbb" TEXT = "#rrggbb",
/// one space on each side of both equals signs.
QString bodyColorTag(const QColor &background, const QColor &text);

/// A file name made safe inside a double-quoted attribute and as element text:
/// "&", "\"" and "<" become character references; everything else, spaces
/// included, stays as it is.
QString escapeFileName(const QString &name);

/// A file name as a reference in a double-quoted attribute, naming that file beside
/// the page whatever the name: the name as it is, spaces inside it included, except
/// that control characters, a blank at either end, "%", "#", "?" and "\" are
/// percent-encoded and a colon before any "/" is written "%3A" (see
/// relativeReference()); then escaped as escapeFileName() does. A plain name comes
/// back unchanged.
QString fileReference(const QString &fileName);

/// The link of "&Link": A HREF="reference" with the name as its text.
QString linkTag(const QString &fileName);
/// The picture of "&Image": IMG SRC="reference".
QString imageTag(const QString &fileName);
/// The background of "&Body Background": BODY BACKGROUND="reference".
QString backgroundTag(const QString &fileName);

/// One item of the Insert menu that types an empty tag pair.
struct InsertMenuItem {
    const char *objectName;
    const char *caption;
    const char *text;
};

/// The Insert menu's "&Page structure tags" items, top to bottom.
const std::array<InsertMenuItem, 6> &pageStructureItems();
/// The Insert menu's "P&hysical font style tags" items, top to bottom.
const std::array<InsertMenuItem, 8> &physicalStyleItems();
/// The Insert menu's "&Headings" items, "Heading 1" to "Heading 6".
const std::array<InsertMenuItem, 6> &headingItems();

/// The file dialogs of the insert commands: title, filter in the common dialog's
/// "description|patterns|..." form, and the proposed file name.
inline constexpr auto kInsertLinkTitle = QT_TRANSLATE_NOOP("quorvel::Form4", "Insert Link....");
inline constexpr auto kInsertLinkFilter =
    "HTM (*.htm)|*.htm|HTML (*.html)|*.html|Pictures(*.jpg;*.gif;*.pcx;*.bmp)|*.jpg;*.gif;*.pcx;*.bmp";
inline constexpr auto kInsertImageTitle = QT_TRANSLATE_NOOP("quorvel::Form4", "Insert Image....");
inline constexpr auto kInsertImageFilter = "Pictures (*.jpg;*.gif;*.pcx;)|*.jpg;*.gif;*.pcx";

/// A filter in the common dialog's form ("description|pattern;pattern|...") in the
/// form Qt's file dialogs take ("description (pattern pattern);;..."): a pattern
/// list the description already ends with in parentheses is replaced by the real
/// one, so the dialog shows each description once and matches every pattern.
QString qtFileFilter(const QString &commonDialogFilter);

} // namespace quorvel
