// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pageoptions.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(PageOptions, PageNamesThatNameNoFileBesideThePicturesAreRefusedAndChangeNothing)
{
    const struct {
        const char16_t *name;
        PageNameFault fault;
    } cases[] = {
        { u"", PageNameFault::NoName },
        { u".html", PageNameFault::NoName },
        { u"   ", PageNameFault::NoName },
        { u" \t ", PageNameFault::NoName },
        { u"a/b.html", PageNameFault::HoldsFolder },
        { u"a\\b.html", PageNameFault::HoldsFolder },
        { u"/tmp/g.html", PageNameFault::HoldsFolder },
        { u"index.html", PageNameFault::None },
        { u"my gallery.html", PageNameFault::None },
        { u"a.b", PageNameFault::None },
    };
    for (const auto &c : cases) {
        const QString name = QString::fromUtf16(c.name);
        EXPECT_EQ(pageNameFault(name), c.fault) << name.toStdString();
        AppState state;
        state.htmlFileName = QStringLiteral("before.html");
        state.imageFolderRef = QStringLiteral("old/");
        const QString refusal = applyPageOptions(state, { name, QStringLiteral("images/"), false, {}, {}, true });
        EXPECT_EQ(refusal.isEmpty(), c.fault == PageNameFault::None) << name.toStdString();
        EXPECT_EQ(state.htmlFileName, refusal.isEmpty() ? name : QStringLiteral("before.html"));
        EXPECT_EQ(state.imageFolderRef, refusal.isEmpty() ? QStringLiteral("images/") : QStringLiteral("old/"));
        if (c.fault == PageNameFault::NoName) {
            EXPECT_EQ(refusal, noPageNameMessage());
        } else if (c.fault == PageNameFault::HoldsFolder) {
            EXPECT_TRUE(refusal.startsWith(QStringLiteral("\"Name of webpage:\" cannot hold a folder")));
        }
    }
}
