// SPDX-License-Identifier: GPL-3.0-or-later
// The batch renamer's rules: any file names, rule, text, case and start number give a
// plan or an error, never a crash. A plan names every file of the list in order, keeps
// each file in its folder unless the rule text itself holds a folder, and never gives
// an empty name, "." or "..".
#include "files/renamerules.h"
#include "fuzzcheck.h"

#include <QFileInfo>

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    static constexpr std::int16_t kRules[] = { 1, 2, 3, 4, 5, 6, 7, 8, 12, 0 };
    RenameRule rule;
    const std::int16_t code = kRules[data[0] % 10];
    if (code != 0)
        rule.code = code;
    rule.caseCode = static_cast<std::int16_t>(9 + data[1] % 3);
    rule.start = static_cast<int8_t>(data[2]) * 1000003LL;

    // Then NUL-separated texts: the rule text, then file names (a folder in front of
    // each; one with a dot in it, to tempt the extension rules).
    const QList<QByteArray> texts = fuzz::bytesOf(data + 3, size - 3).split('\0');
    rule.text = QString::fromUtf8(texts.value(0));
    QStringList paths;
    for (qsizetype i = 1; i < texts.size() && paths.size() < 16; ++i) {
        QString name = QString::fromUtf8(texts[i]);
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        paths += (i % 2 ? QStringLiteral("/photos.2024/") : QStringLiteral("/d/")) + name;
    }

    const RenamePlan plan = planRenames(paths, rule);
    if (plan.error != RenameError::None) {
        FUZZ_CHECK(plan.failedIndex >= 0 && plan.failedIndex < paths.size(), "a failure names an entry");
        FUZZ_CHECK(plan.moves.size() == plan.failedIndex, "the moves before the failure are kept");
        // Without a rule the window asks for one; every other failure has its message.
        FUZZ_CHECK(plan.error == RenameError::NoRule || !renameErrorMessage(plan.error, false).isEmpty(),
            "a failure has a message");
    } else {
        FUZZ_CHECK(plan.moves.size() == paths.size(), "every entry gets a new name");
    }
    const bool textHoldsFolder = rule.text.contains(QLatin1Char('/'));
    for (qsizetype i = 0; i < plan.moves.size(); ++i) {
        const RenameMove &move = plan.moves[i];
        FUZZ_CHECK(move.from == paths[i], "the plan is in list order");
        const QString newName = splitName(move.to).name;
        FUZZ_CHECK(!newName.isEmpty() && newName != QLatin1String(".") && newName != QLatin1String(".."),
            "a new name is a file name");
        if (!textHoldsFolder)
            FUZZ_CHECK(splitName(move.to).folder == splitName(move.from).folder, "a file stays in its folder");
    }
    return 0;
}
