// SPDX-License-Identifier: GPL-3.0-or-later
// Every window the program opens, driven by keyboard alone: each control is reached
// by Tab, has a name a screen reader can say, its "&" letters are unique, and F1
// shows the window's own page of the manual. Driven by a screen reader: the window
// is announced as one, its labels are read as they show, and each check box,
// option button and toggle button does through its toggle action what a click does.
// Each also carries the program's icon.
#include "../apptest.h"
#include "../windowcatalog.h"
#include "app/application.h"
#include "keyboardcheck.h"
#include "platform/contexthelp.h"
#include "platform/helpwindow.h"
#include "platform/prompts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <gtest/gtest.h>

namespace quorvel
{
namespace
{

class KeyboardTest : public test::AppTest, public ::testing::WithParamInterface<test::WindowOpener>
{
protected:
    QWidget *openWindow()
    {
        start();
        QWidget *window = GetParam().open(*m_app);
        if (window) {
            window->show();
            window->raise();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window;
    }
};

TEST_P(KeyboardTest, EveryControlIsReachedByTab)
{
    QWidget *window = openWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->objectName(), QLatin1String(GetParam().name));
    ASSERT_FALSE(test::userControls(window).isEmpty());
    EXPECT_EQ(test::controlsNotReachedByTab(window).join(QLatin1Char('\n')).toStdString(), "");
}

TEST_P(KeyboardTest, EveryControlHasAnAccessibleName)
{
    QWidget *window = openWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::controlsWithoutAccessibleName(window).join(QLatin1Char('\n')).toStdString(), "");
}

TEST_P(KeyboardTest, MnemonicsAreUniqueAndLeadToAControl)
{
    QWidget *window = openWindow();
    ASSERT_NE(window, nullptr);
    // The header and footer editor's tag menus and the File Renamer's "Rename &Options"
    // button beside its "&Options" menu keep their long-known captions; a repeated
    // letter moves between the two and Enter chooses.
    const QStringList tolerated { QStringLiteral("H&TML"),
        QStringLiteral("&Title"),
        QStringLiteral("&Undelined"),
        QStringLiteral("S&ubscript"),
        QStringLiteral("Rename &Options"),
        QStringLiteral("&Options") };
    EXPECT_EQ(test::mnemonicFaults(window, tolerated).join(QLatin1Char('\n')).toStdString(), "");
}

TEST_P(KeyboardTest, F1ShowsTheWindowsPageOfTheManual)
{
    QWidget *window = openWindow();
    ASSERT_NE(window, nullptr);
    const QString topic = helpTopicForWindow(window);
    EXPECT_TRUE(HelpWindow::hasTopic(topic.section(QLatin1Char('#'), 0, 0))) << topic.toStdString();
    if (window->objectName() != QLatin1String("helpWindow")) {
        EXPECT_NE(topic, QStringLiteral("contents"));
    }

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget *focused = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(focused, Qt::Key_F1);
    HelpWindow *help = m_app->helpWindowIfOpen();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentTopic(), topic.section(QLatin1Char('#'), 0, 0));
}

TEST_P(KeyboardTest, CarriesTheProgramIconInEveryDrawnSize)
{
    QWidget *window = openWindow();
    ASSERT_NE(window, nullptr);
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

TEST_P(KeyboardTest, AScreenReaderHearsTheWindowAsOneAndItsLabelsAsTheyShow)
{
    QWidget *window = openWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::screenReaderFaults(window).join(QLatin1Char('\n')).toStdString(), "");
}

/// The program-wide state windows share, one line a variable, and the messages shown.
QStringList programState(Application &app, const ScriptedPrompts &prompts)
{
    const AppState &s = app.state();
    const AdvancedOptionFlags &a = app.imagingOptions().flags();
    const RenameState &r = app.renameState();
    const std::pair<const char *, QVariant> variables[] = { { "defPathToThumb", s.defPathToThumb },
        { "overwrite", s.overwrite },
        { "defThumbHeight", s.defThumbHeight },
        { "defThumbWidth", s.defThumbWidth },
        { "tableBorder", s.tableBorder },
        { "htmlFileName", s.htmlFileName },
        { "imageFolderRef", s.imageFolderRef },
        { "table", s.table },
        { "columns", s.columns },
        { "headertext", s.headertext },
        { "footertext", s.footertext },
        { "cellCount", s.cellCount },
        { "pageFolder", s.pageFolder },
        { "picturePath", s.picturePath },
        { "pictureName", s.pictureName },
        { "savedir", s.savedir },
        { "FTPprog", s.FTPprog },
        { "advFancy", a.advFancy },
        { "advTwoPass", a.advTwoPass },
        { "advDctSlow", a.advDctSlow },
        { "advDctFast", a.advDctFast },
        { "advDctFloat", a.advDctFloat },
        { "advNoDither", a.advNoDither },
        { "advAlwaysDither", a.advAlwaysDither },
        { "advDitherExtra", a.advDitherExtra },
        { "advDitherNone", a.advDitherNone },
        { "advDitherOrdered", a.advDitherOrdered },
        { "advDitherFloyd", a.advDitherFloyd },
        { "renameRule", r.renameRule.value_or(-1) },
        { "renameText", r.renameText },
        { "renameCase", r.renameCase },
        { "renameStart", r.renameStart },
        { "renameConfirm", r.renameConfirm },
        { "viewerSource", app.viewerSource().viewerSource } };
    QStringList lines;
    for (const auto &[name, value] : variables)
        lines += QStringLiteral("%1=%2").arg(QLatin1String(name), value.toString());
    for (qsizetype i = 0; i < prompts.records.size(); ++i)
        lines += QStringLiteral("prompt %1 %2: %3").arg(i).arg(prompts.records[i].kind, prompts.records[i].text);
    return lines;
}

TEST_P(KeyboardTest, EveryStateButtonDoesThroughItsToggleActionWhatAClickDoes)
{
    const int count = int(test::stateButtons(openWindow()).size());
    // Each button in a fresh copy of the program, once toggled as a screen reader
    // does (no click happens), once clicked: the same state must follow.
    const auto driven = [this](int index, bool byAccessibility, QString &caption) {
        m_app.reset();
        QWidget *window = openWindow();
        QAbstractButton *button = test::stateButtons(window).value(index);
        if (!button)
            return QStringList { QStringLiteral("button %1 is missing").arg(index) };
        caption = button->objectName() + QLatin1Char(' ') + button->text();
        if (byAccessibility) {
            QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
            if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::toggleAction()))
                return QStringList { QStringLiteral("no toggle action") };
            actions->doAction(QAccessibleActionInterface::toggleAction());
        } else {
            button->click();
        }
        QCoreApplication::processEvents();
        QStringList state = programState(*m_app, *m_prompts);
        QList<QWidget *> windows;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->isVisible())
                windows += top;
        }
        std::sort(windows.begin(), windows.end(), [](const QWidget *a, const QWidget *b) {
            return a->objectName() < b->objectName();
        });
        for (QWidget *top : windows)
            state += test::observableState(top);
        return state;
    };
    for (int i = 0; i < count; ++i) {
        QString caption;
        const QStringList toggled = driven(i, true, caption);
        const QStringList clicked = driven(i, false, caption);
        QStringList differences;
        for (const QString &line : toggled) {
            if (!clicked.contains(line))
                differences += QStringLiteral("only toggled: ") + line;
        }
        for (const QString &line : clicked) {
            if (!toggled.contains(line))
                differences += QStringLiteral("only clicked: ") + line;
        }
        EXPECT_TRUE(differences.isEmpty()) << caption.toStdString() << "\n"
                                           << differences.mid(0, 5).join(u'\n').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows,
    KeyboardTest,
    ::testing::ValuesIn(test::windowCatalog()),
    [](const ::testing::TestParamInfo<test::WindowOpener> &info) {
        return std::string(info.param.name);
    });

TEST_F(KeyboardTest, CtrlTabLeavesABoxThatTakesTabAsTextBothWays)
{
    start();
    QWidget *editor = m_app->showHeaderFooterEditor();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
    editor->activateWindow();
    QApplication::setActiveWindow(editor);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    auto *header = control<QPlainTextEdit>(editor, "Text1");
    header->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), header);
    const QString before = header->toPlainText();
    QTest::keyClick(header, Qt::Key_Tab); // a tab character, as in any text editor
    EXPECT_EQ(header->toPlainText().size(), before.size() + 1);
    EXPECT_EQ(QApplication::focusWidget(), header);
    QTest::keyClick(header, Qt::Key_Tab, Qt::ControlModifier);
    QWidget *next = QApplication::focusWidget();
    EXPECT_NE(next, header);
    EXPECT_EQ(next->window(), editor);
    header->setFocus();
    QTest::keyClick(header, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), header);
    EXPECT_NE(QApplication::focusWidget(), next);
}

TEST_F(KeyboardTest, F1OverAModalDialogShowsHelpThatTheDialogDoesNotBlock)
{
    start();
    m_app->showHelp(QStringLiteral("contents")); // already open, then a dialog comes
    auto *picker = new savedirs(*m_app, QDir::homePath(), m_app->mainWindow());
    picker->setAttribute(Qt::WA_DeleteOnClose);
    picker->setWindowModality(Qt::ApplicationModal);
    picker->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(picker));
    picker->activateWindow();
    QApplication::setActiveWindow(picker);
    ASSERT_EQ(QApplication::activeModalWidget(), picker);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : picker, Qt::Key_F1);
    HelpWindow *help = m_app->helpWindowIfOpen();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentTopic(), QStringLiteral("html-editor"));
    EXPECT_EQ(help->parentWidget(), picker); // a window of the dialog: not blocked by it
    EXPECT_TRUE(help->isWindow());
    picker->close();
    QTRY_VERIFY(m_app->helpWindowIfOpen() == nullptr); // it goes with its dialog
    m_app->showHelp(QStringLiteral("gallery"));
    ASSERT_NE(m_app->helpWindowIfOpen(), nullptr);
    EXPECT_EQ(m_app->helpWindowIfOpen()->parentWidget(), nullptr);
}

TEST(KeyboardCheck, FindsTheFaultsItLooksFor)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *save = new QPushButton(QStringLiteral("&Save"));
    auto *size = new QPushButton(QStringLiteral("&Size"));
    auto *label = new QLabel(QStringLiteral("&Name:"));
    auto *unnamed = new QLineEdit;
    unnamed->setObjectName(QStringLiteral("unnamed"));
    auto *unreachable = new QPushButton(QStringLiteral("Go"));
    unreachable->setObjectName(QStringLiteral("unreachable"));
    unreachable->setFocusPolicy(Qt::NoFocus);
    for (QWidget *widget : std::initializer_list<QWidget *> { save, size, label, unnamed, unreachable })
        layout->addWidget(widget);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QStringList mnemonics = test::mnemonicFaults(&window);
    EXPECT_TRUE(mnemonics.contains(QStringLiteral("'s' in &Save, &Size"))) << mnemonics.join(u'|').toStdString();
    EXPECT_TRUE(mnemonics.join(u'|').contains(QStringLiteral("has a mnemonic but no buddy")));
    EXPECT_EQ(test::controlsWithoutAccessibleName(&window), QStringList { QStringLiteral("unnamed (QLineEdit)") });
    EXPECT_EQ(test::controlsNotReachedByTab(&window), QStringList { QStringLiteral("unreachable (QPushButton)") });

    // A buddy gives the box its name and the label's letter a place to go.
    label->setBuddy(unnamed);
    EXPECT_TRUE(test::controlsWithoutAccessibleName(&window).isEmpty());
    EXPECT_FALSE(test::mnemonicFaults(&window).join(u'|').contains(QStringLiteral("no buddy")));
}

TEST(ContextHelpTopics, AMessageBoxTakesThePageOfItsWindowAndAStrayWindowTheContents)
{
    QWidget editor;
    editor.setObjectName(QStringLiteral("Form4"));
    QWidget message(&editor, Qt::Dialog);
    message.setObjectName(QStringLiteral("qt_msgbox"));
    QLineEdit box(&message);
    EXPECT_EQ(helpTopicForWindow(&box), QStringLiteral("header-footer-editor"));
    QWidget stray;
    EXPECT_EQ(helpTopicForWindow(&stray), QStringLiteral("contents"));
    EXPECT_EQ(helpTopicForWindow(nullptr), QStringLiteral("contents"));
}

TEST(ContextHelpTopics, ASectionOpensItsPageAtThatSection)
{
    HelpWindow help;
    help.showTopic(QStringLiteral("gallery#options"));
    EXPECT_EQ(help.currentTopic(), QStringLiteral("gallery"));
    help.showTopic(QStringLiteral("no-such-page#options"));
    EXPECT_EQ(help.currentTopic(), QStringLiteral("contents"));
    EXPECT_TRUE(HelpWindow::hasTopic(QStringLiteral("getting-started")));
}

} // namespace
} // namespace quorvel
