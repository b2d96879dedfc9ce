// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file quorvel.ins: any bytes load without harm, and every record the
// program can write loads back as the same values.
#include "app/appstate.h"
#include "app/settingsstore.h"
#include "fuzzcheck.h"

#include <QList>

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    AppState loaded;
    SettingsStore::loadFromBytes(bytes, loaded);

    // The same bytes, cut into the record's fields: a folder and an FTP program never
    // hold a line break, since each is one line of the file.
    QList<QByteArray> parts = bytes.split('\n');
    while (parts.size() < 4)
        parts.append(QByteArray());
    auto line = [](QByteArray text) {
        text.replace('\r', ' ');
        return QString::fromLocal8Bit(text);
    };
    SettingsRecord record;
    record.defPathToThumb = line(parts[0]);
    record.overwrite = parts[1].size() % 2;
    record.heightText = QString::number(parts[2].size() % 400);
    record.widthText = QString::number(parts[3].size() % 400);
    record.tableBorder = parts.size() % 2;
    record.ftpProgram = line(parts.mid(4).join(' ')).trimmed();

    AppState state;
    SettingsStore::loadFromBytes(SettingsStore::toBytes(record), state);
    // Text that is not valid in the locale's encoding comes back as replacement
    // characters both times, so the comparison is of what was written.
    FUZZ_CHECK(state.defPathToThumb == QString::fromLocal8Bit(record.defPathToThumb.toLocal8Bit()),
        "the folder line comes back whole");
    FUZZ_CHECK(state.overwrite == record.overwrite, "the overwrite flag comes back");
    FUZZ_CHECK(state.defThumbHeight == record.heightText.toInt(), "the height comes back");
    FUZZ_CHECK(state.defThumbWidth == record.widthText.toInt(), "the width comes back");
    FUZZ_CHECK(state.tableBorder == record.tableBorder, "the border flag comes back");
    FUZZ_CHECK(state.FTPprog == QString::fromLocal8Bit(record.ftpProgram.toLocal8Bit()), "the FTP program comes back");
    return 0;
}
