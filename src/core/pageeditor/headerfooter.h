// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorvel
{

/// The two texts that frame every gallery page, as the page editor holds them.
/// Line breaks are CR LF, as in the files they come from and go to.
struct HeaderFooterTexts {
    QString header;
    QString footer;

    bool operator==(const HeaderFooterTexts &) const = default;
};

/// The template's marker line: the whole line exactly, case as shown, no spaces.
inline constexpr auto kFooterMarker = "<![Footer]>";
/// The template file in the program folder. The editor reads it and never writes it.
inline constexpr auto kTemplateFileName = "default.def";
/// The names proposed for the header and footer files.
inline constexpr auto kHeaderFileName = "header.html";
inline constexpr auto kFooterFileName = "footer.html";

/// The lines of a text file as "Line Input" reads them: a line ends at CR LF, a lone
/// CR or a lone LF; a break at the very end does not start another line, so an empty
/// file has no lines and "a" CR LF has one. Bytes are in the system's encoding.
QStringList splitFileLines(const QByteArray &bytes);

/// The lines, each followed by CR LF: what a box holds after reading them.
QString joinBoxLines(const QStringList &lines);

/// Splits a template file's bytes into the two texts. Every line before the first
/// marker line goes to the header, every line after it to the footer; marker lines
/// are dropped, later ones too, and a later marker does not switch back. A line that
/// only resembles the marker (a trailing space, another case) is ordinary text.
/// Every kept line is followed by CR LF, so each text is empty or ends with CR LF.
HeaderFooterTexts parseTemplate(const QByteArray &bytes);

/// The texts the editor starts with when there is no template file: a whole page
/// around the gallery table. The header opens the document and leaves a centred
/// block and a paragraph open; the footer closes them. The logo and divider pictures
/// are addressed by their bare names, relative to the page: a creation run puts
/// them beside the page, so the page shows them once published, and names no folder
/// of the user's.
HeaderFooterTexts builtInTexts();

/// Reads the template file at path; nullopt when it cannot be opened (missing,
/// unreadable), so the caller keeps the built-in texts.
std::optional<HeaderFooterTexts> readTemplateFile(const QString &path);

/// Reads a header or footer file into box text (every line followed by CR LF, a
/// last empty one included); nullopt when it cannot be read, with the reason.
std::optional<QString> readBoxFile(const QString &path, QString *reason = nullptr);

/// The bytes of a header file: the text unchanged, then CR LF.
QByteArray headerFileBytes(const QString &header);
/// The bytes of a footer file: the text without its leading and trailing space
/// characters (spaces only: tabs and line breaks stay), then CR LF.
QByteArray footerFileBytes(const QString &footer);

/// Writes bytes to a header or footer file through a temporary file renamed into
/// place, so a failed save never leaves a truncated file. Returns an empty string on
/// success, else a sentence naming the file and the reason.
QString writeBoxFile(const QString &path, const QByteArray &bytes);

/// The HTML charset name of the encoding the program writes its text files in.
QString pageCharset();

} // namespace quorvel
