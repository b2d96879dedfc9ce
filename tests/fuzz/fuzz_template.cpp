// SPDX-License-Identifier: GPL-3.0-or-later
// The header/footer template (default.def): any bytes split into two texts that end
// with CR LF, keep every line but the markers, in order, and hold no marker line.
#include "fuzzcheck.h"
#include "pageeditor/headerfooter.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const HeaderFooterTexts texts = parseTemplate(bytes);
    for (const QString &text : { texts.header, texts.footer })
        FUZZ_CHECK(text.isEmpty() || text.endsWith(QLatin1String("\r\n")), "each text ends with CR LF");

    const QString marker = QString::fromLatin1(kFooterMarker);
    const QStringList lines = splitFileLines(bytes);
    QStringList kept = lines;
    kept.removeAll(marker);
    const QStringList header = splitFileLines(texts.header.toLocal8Bit());
    const QStringList footer = splitFileLines(texts.footer.toLocal8Bit());
    FUZZ_CHECK(!header.contains(marker) && !footer.contains(marker), "no marker line is kept");
    FUZZ_CHECK(header + footer == kept, "every other line is kept, in order");
    const qsizetype firstMarker = lines.indexOf(marker);
    FUZZ_CHECK(firstMarker < 0 ? footer.isEmpty() : header == lines.mid(0, firstMarker),
        "the header is what comes before the first marker");
    return 0;
}
