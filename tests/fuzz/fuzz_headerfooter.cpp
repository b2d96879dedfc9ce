// SPDX-License-Identifier: GPL-3.0-or-later
// Header and footer files: any bytes read into box text, and saving that text then
// reading it back gives the same lines and one empty line more (the CR LF the save
// adds), for the header as it stands and for the footer trimmed of its spaces.
#include "fuzzcheck.h"
#include "pageeditor/headerfooter.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = splitFileLines(fuzz::bytesOf(data, size));
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')), "a line holds no break");
    const QString box = joinBoxLines(lines);
    FUZZ_CHECK(box.isEmpty() == lines.isEmpty(), "a file with lines gives a box with text");

    // Text that is not valid in the system's encoding became replacement characters
    // when it was read; from there on it is stable.
    const QStringList again = splitFileLines(headerFileBytes(box));
    FUZZ_CHECK(again == lines + QStringList { QString() }, "a saved header reads back with one empty line more");

    const QStringList footer = splitFileLines(footerFileBytes(box));
    QString trimmed = box;
    while (trimmed.startsWith(QLatin1Char(' ')))
        trimmed.remove(0, 1);
    FUZZ_CHECK(footer == splitFileLines((trimmed + QStringLiteral("\r\n")).toLocal8Bit()),
        "a saved footer is the text without its leading spaces, then CR LF");
    return 0;
}
