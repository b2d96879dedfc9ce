// SPDX-License-Identifier: GPL-3.0-or-later
// The markup the page editor inserts: from any text, only removals, and nothing left
// that a second look would take out (no script or event handler made of the pieces).
#include "fuzzcheck.h"
#include "wysiwyg/insertablehtml.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString html = QString::fromUtf8(fuzz::bytesOf(data, size));
    const InsertableHtml result = insertableHtml(html);
    FUZZ_CHECK(result.refused.isEmpty() == (result.html == html), "only what is named is taken out");
    FUZZ_CHECK(result.html.size() <= html.size(), "nothing is added");
    const InsertableHtml again = insertableHtml(result.html);
    FUZZ_CHECK(again.refused.isEmpty() && again.html == result.html, "nothing is left to take out");
    return 0;
}
