// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wysiwyg/documenteditor.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <gtest/gtest.h>
#include <ostream>

QT_BEGIN_NAMESPACE
/// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace quorvel::test
{

/// A script literal of a text.
inline QString js(const QString &text)
{
    const QByteArray json = QJsonDocument(QJsonArray { text }).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

/// Drives an editing component from a test: puts content and selections in place
/// and reads the document back. Everything waits by polling, with a time-out.
class EditorDriver
{
public:
    explicit EditorDriver(DocumentEditor &editor)
        : m_editor(editor)
    {
    }

    [[nodiscard]] bool waitReady(int timeoutMs = 20000)
    {
        return QTest::qWaitFor(
            [this] {
                return !m_editor.busy();
            },
            timeoutMs);
    }

    QVariant eval(const QString &script)
    {
        return m_editor.evaluate(script);
    }

    /// Replaces the body and leaves the caret at the start of the first element
    /// matching `caretIn` (or of the body).
    void setBody(const QString &html, const QString &caretIn = QString())
    {
        eval(QStringLiteral("document.body.innerHTML = %1; 1").arg(js(html)));
        if (caretIn.isEmpty())
            m_editor.caretToStart();
        else
            caret(caretIn);
    }

    /// The caret at the start of the first element matching a selector.
    void caret(const QString &selector)
    {
        eval(QStringLiteral("(function(){ var el = document.querySelector(%1); var r = document.createRange();"
                            " r.selectNodeContents(el); r.collapse(true); var s = getSelection();"
                            " s.removeAllRanges(); s.addRange(r); return 1; })()")
                 .arg(js(selector)));
    }

    /// Selects the contents of the first element matching a selector.
    void selectContents(const QString &selector)
    {
        eval(QStringLiteral("(function(){ var el = document.querySelector(%1); var r = document.createRange();"
                            " r.selectNodeContents(el); var s = getSelection(); s.removeAllRanges();"
                            " s.addRange(r); return 1; })()")
                 .arg(js(selector)));
    }

    /// Selects an element as one object (as a click on a picture does).
    void selectElement(const QString &selector)
    {
        eval(QStringLiteral("window.quorvelBridge.selectElement(document.querySelector(%1)); 1").arg(js(selector)));
    }

    QString body()
    {
        return eval(QStringLiteral("document.body.innerHTML")).toString();
    }

    /// Polls a script until it gives `expected`.
    [[nodiscard]] bool waitFor(const QString &script, const QVariant &expected, int timeoutMs = 5000)
    {
        return QTest::qWaitFor(
            [&] {
                return eval(script) == expected;
            },
            timeoutMs);
    }

    [[nodiscard]] bool waitStatus(EditCommand command, int status, int timeoutMs = 5000)
    {
        return QTest::qWaitFor(
            [&] {
                return m_editor.queryStatus(command) == status;
            },
            timeoutMs);
    }

private:
    DocumentEditor &m_editor;
};

} // namespace quorvel::test
