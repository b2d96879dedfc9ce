// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsstore.h"

#include "platform/atomicfile.h"
#include "platform/plainfile.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <optional>

namespace quorvel
{
namespace
{

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

/// Consumes one line end (CR LF, CR or LF) at pos, if there is one.
void skipLineEnd(const QByteArray &bytes, qsizetype &pos)
{
    if (pos < bytes.size() && bytes[pos] == '\r')
        ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n')
        ++pos;
}

/// Reads a whole line, commas and spaces included. Fails only at the end of the data.
std::optional<QByteArray> readLine(const QByteArray &bytes, qsizetype &pos)
{
    if (pos >= bytes.size())
        return std::nullopt;
    const qsizetype start = pos;
    while (pos < bytes.size() && !isLineEnd(bytes[pos]))
        ++pos;
    QByteArray line = bytes.mid(start, pos - start);
    skipLineEnd(bytes, pos);
    return line;
}

/// Reads one numeric field: leading blanks skipped, then the characters up to the
/// next blank, comma or line end; the delimiter (trailing blanks, then one comma or
/// one line end) is consumed, so each field is read whether or not it converts.
std::optional<QByteArray> readField(const QByteArray &bytes, qsizetype &pos)
{
    auto skipBlanks = [&] {
        while (pos < bytes.size() && (bytes[pos] == ' ' || bytes[pos] == '\t'))
            ++pos;
    };
    skipBlanks();
    if (pos >= bytes.size())
        return std::nullopt;
    const qsizetype start = pos;
    while (pos < bytes.size() && bytes[pos] != ' ' && bytes[pos] != '\t' && bytes[pos] != ',' && !isLineEnd(bytes[pos]))
        ++pos;
    QByteArray field = bytes.mid(start, pos - start);
    skipBlanks();
    if (pos < bytes.size() && bytes[pos] == ',')
        ++pos;
    else
        skipLineEnd(bytes, pos);
    return field;
}

/// Converts a field to a 16-bit integer. An empty field (a blank line) reads as 0;
/// a decimal number is rounded half to even; anything else, or a value outside the
/// 16-bit range, does not convert.
std::optional<std::int16_t> toInt16(const QByteArray &field)
{
    if (field.isEmpty())
        return 0;
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    const QString text = QString::fromLatin1(field);
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode is half to even
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace

bool SettingsStore::load(const QString &filePath, AppState &state)
{
    const std::optional<QByteArray> bytes = readPlainFile(filePath);
    if (!bytes)
        return false;
    loadFromBytes(*bytes, state);
    return true;
}

void SettingsStore::loadFromBytes(const QByteArray &bytes, AppState &state)
{
    qsizetype pos = 0;
    if (const auto line = readLine(bytes, pos))
        state.defPathToThumb = QString::fromLocal8Bit(*line);
    for (std::int16_t *target : { &state.overwrite, &state.defThumbHeight, &state.defThumbWidth, &state.tableBorder }) {
        const auto field = readField(bytes, pos);
        if (!field)
            break; // the end of the file: every later field is missing too
        if (const auto value = toInt16(*field))
            *target = *value;
    }
    if (const auto line = readLine(bytes, pos))
        state.FTPprog = QString::fromLocal8Bit(*line);
}

QByteArray SettingsStore::formatNumber(int value)
{
    QByteArray text = QByteArray::number(value);
    if (value >= 0)
        text.prepend(' ');
    text.append(' ');
    return text;
}

QByteArray SettingsStore::toBytes(const SettingsRecord &record)
{
    const QByteArray crlf("\r\n");
    QByteArray bytes = record.defPathToThumb.toLocal8Bit() + crlf + formatNumber(record.overwrite) + crlf
        + record.heightText.toLocal8Bit() + crlf + record.widthText.toLocal8Bit() + crlf
        + formatNumber(record.tableBorder) + crlf;
    if (!record.ftpProgram.isEmpty())
        bytes += record.ftpProgram.toLocal8Bit() + crlf;
    return bytes;
}

QString SettingsStore::save(const QString &filePath, const SettingsRecord &record)
{
    return writeFileAtomically(filePath, toBytes(record));
}

} // namespace quorvel
