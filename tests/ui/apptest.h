// SPDX-License-Identifier: GPL-3.0-or-later
// A test fixture that starts the program over temporary program and data folders,
// with scripted prompts, and finds the controls of its windows by name.
#pragma once

#include "app/application.h"
#include "app/mainwindow.h"
#include "platform/prompts.h"
#include "required.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>
#include <source_location>

namespace quorvel::test
{

class AppTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_programDir.isValid());
        ASSERT_TRUE(m_userData.isValid());
    }

    void TearDown() override
    {
        m_app.reset();
    }

    QString settingsPath() const
    {
        return m_programDir.filePath(QStringLiteral("quorvel.ins"));
    }

    /// The settings file's bytes, empty when there is none.
    QByteArray settingsBytes() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeSettings(const QByteArray &bytes)
    {
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    /// Starts the program (its main window, shown) over the temporary program folder,
    /// holding the given settings file (none when empty). writableDir replaces the
    /// folder the program writes to.
    frmForm *start(const QByteArray &settings = {}, const QString &writableDir = {})
    {
        if (!settings.isEmpty())
            writeSettings(settings);
        auto prompts = std::make_unique<ScriptedPrompts>();
        m_prompts = prompts.get();
        m_app = std::make_unique<Application>(
            ProgramFolder(
                writableDir.isEmpty() ? m_programDir.path() : writableDir, m_programDir.path(), m_userData.path()),
            std::move(prompts));
        frmForm *window = m_app->mainWindow();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }

    /// The control of that name in a window; the test ends, failed, when it is missing.
    template <typename T>
    T *control(QWidget *window, const char *name, const std::source_location &where = std::source_location::current())
    {
        if (!window)
            failFatally(std::string("the window of control ") + name + " is missing", where);
        return required(window->findChild<T *>(QLatin1String(name)), std::string("control ") + name, where);
    }

    QTemporaryDir m_programDir;
    QTemporaryDir m_userData;
    std::unique_ptr<Application> m_app;
    ScriptedPrompts *m_prompts = nullptr;
};

} // namespace quorvel::test
