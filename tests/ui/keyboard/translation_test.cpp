// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program in French: each text it shows (caption, labels,
// buttons, menus, tool tips, list entries, accessible names) differs from the same
// window's text in English, except the few that read the same in both languages.
#include "../apptest.h"
#include "../windowcatalog.h"
#include "app/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace quorvel
{
namespace
{

/// The texts a window shows, each under the place it is shown (the control's class,
/// name and position among the window's objects, then what the text is).
QMap<QString, QString> shownTexts(QWidget *window)
{
    QMap<QString, QString> texts;
    const auto add = [&](const QObject *object, int index, const char *what, const QString &text) {
        if (!text.isEmpty())
            texts.insert(QStringLiteral("%1 %2 #%3 %4")
                             .arg(QLatin1String(object->metaObject()->className()), object->objectName())
                             .arg(index)
                             .arg(QLatin1String(what)),
                text);
    };
    add(window, 0, "caption", window->windowTitle());
    const QList<QObject *> objects = window->findChildren<QObject *>();
    for (int i = 0; i < objects.size(); ++i) {
        QObject *object = objects[i];
        if (auto *action = qobject_cast<QAction *>(object)) {
            add(action, i, "text", action->text());
            add(action, i, "tool tip", action->toolTip());
            add(action, i, "status tip", action->statusTip());
            continue;
        }
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget)
            continue;
        add(widget, i, "tool tip", widget->toolTip());
        add(widget, i, "accessible name", widget->accessibleName());
        add(widget, i, "accessible description", widget->accessibleDescription());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(widget, i, "text", label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(widget, i, "text", button->text());
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(widget, i, "title", group->title());
        if (auto *menu = qobject_cast<QMenu *>(widget))
            add(widget, i, "title", menu->title());
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            add(widget, i, "placeholder", line->placeholderText());
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int item = 0; item < combo->count(); ++item)
                add(widget, i, qPrintable(QStringLiteral("entry %1").arg(item)), combo->itemText(item));
        }
        if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                add(widget, i, qPrintable(QStringLiteral("tab %1").arg(tab)), tabs->tabText(tab));
        }
    }
    return texts;
}

/// Texts that read the same in French, each with its reason.
bool sameInBothLanguages(const QString &text)
{
    static const QStringList same = {
        QStringLiteral("Quorvel"), // the program's name
        QStringLiteral("Floyd-Steinberg"), // a dithering method, named after its authors
        QStringLiteral("Base"), // the Insert menu's item for the tag <BASE>
        QStringLiteral("Options"), // the same word in French
        QStringLiteral("Transparent"), // the same word in French
        QStringLiteral("Image"), // the same word in French
    };
    const QString plain = QString(text).remove(QLatin1Char('&'));
    // Names of formats and tags ("JPEG", "HTML", "<hr>"), numbers and paths are
    // not language.
    static const QRegularExpression notLanguage(QStringLiteral("^([A-Z]{2,5}|<[^>]*>|[^A-Za-z]*|/.*)$"));
    return same.contains(plain) || notLanguage.match(plain).hasMatch();
}

class TranslationTest : public test::AppTest, public ::testing::WithParamInterface<test::WindowOpener>
{
protected:
    QMap<QString, QString> textsIn(const QLocale &locale)
    {
        EXPECT_EQ(installTranslations(locale), QLocale::languageToCode(locale.language()));
        start();
        QWidget *window = GetParam().open(*m_app);
        if (!window)
            return {};
        window->show();
        QMap<QString, QString> texts = shownTexts(window);
        m_app.reset();
        return texts;
    }

    void TearDown() override
    {
        test::AppTest::TearDown();
        installTranslations(QLocale::c());
    }
};

TEST_P(TranslationTest, NoEnglishTextIsLeftInFrench)
{
    const QMap<QString, QString> english = textsIn(QLocale(QLocale::English));
    const QMap<QString, QString> french = textsIn(QLocale(QLocale::French, QLocale::France));
    ASSERT_FALSE(english.isEmpty());
    EXPECT_EQ(english.keys(), french.keys());
    QStringList untranslated;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (french.value(it.key()) == it.value() && !sameInBothLanguages(it.value()))
            untranslated += it.key() + QStringLiteral(": ") + it.value();
    }
    EXPECT_EQ(untranslated.join(QLatin1Char('\n')).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Windows,
    TranslationTest,
    ::testing::ValuesIn(test::windowCatalog()),
    [](const ::testing::TestParamInfo<test::WindowOpener> &info) {
        return std::string(info.param.name);
    });

} // namespace
} // namespace quorvel
