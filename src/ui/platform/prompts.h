// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace quorvel
{

/// Every message box, question, input box and file, folder and colour dialog of the
/// program goes through this interface. The program uses QtPrompts; tests install
/// ScriptedPrompts, which records what was asked and returns canned answers.
class Prompts
{
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    /// The caption every message box carries unless a window says otherwise.
    static QString programTitle();

    virtual ~Prompts() = default;

    /// A modal message box; returns the button pressed (closing the box counts as
    /// Cancel where there is one, else as the first button).
    virtual Answer message(QWidget *parent,
        const QString &text,
        Icon icon = Icon::None,
        Buttons buttons = Buttons::Ok,
        const QString &caption = programTitle()) = 0;
    /// An input box; nullopt when cancelled.
    virtual std::optional<QString> input(QWidget *parent,
        const QString &prompt,
        const QString &caption = programTitle(),
        const QString &defaultText = {}) = 0;
    /// A file open dialog; filter in Qt's form ("Pictures (*.jpg *.gif)"); empty when cancelled.
    virtual QString openFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) = 0;
    /// A file save dialog; empty when cancelled.
    virtual QString saveFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) = 0;
    /// A folder chooser; empty when cancelled.
    virtual QString folder(QWidget *parent, const QString &caption, const QString &startFolder) = 0;
    /// A colour chooser, titled caption (the toolkit's own title when empty); nullopt
    /// when cancelled.
    virtual std::optional<QColor> color(QWidget *parent, const QColor &initial, const QString &caption = {}) = 0;
    /// A font chooser (family, size, style); nullopt when cancelled.
    virtual std::optional<QFont> font(QWidget *parent, const QFont &initial) = 0;
};

/// The real dialogs, from Qt.
class QtPrompts : public Prompts
{
public:
    Answer message(QWidget *parent, const QString &text, Icon icon, Buttons buttons, const QString &caption) override;
    std::optional<QString> input(
        QWidget *parent, const QString &prompt, const QString &caption, const QString &defaultText) override;
    QString openFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override;
    QString folder(QWidget *parent, const QString &caption, const QString &startFolder) override;
    std::optional<QColor> color(QWidget *parent, const QColor &initial, const QString &caption = {}) override;
    std::optional<QFont> font(QWidget *parent, const QFont &initial) override;
};

/// Prompts for tests and scripted runs: every prompt is recorded, and answers are
/// taken from queues filled beforehand (a message with no queued answer gets Ok or
/// Yes; a dialog with none is cancelled).
class ScriptedPrompts : public Prompts
{
public:
    struct Record {
        QString kind; ///< "message", "input", "openFile", "saveFile", "folder", "color", "font"
        QString text; ///< the message or prompt, or the dialog's caption
        QString caption; ///< the window caption
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString folder {}; ///< a file dialog's starting folder or proposed file
        QString filter {}; ///< a file dialog's filter
        QColor initialColor {}; ///< the colour a colour dialog opened on
    };

    QList<Record> records;
    QList<Answer> answers;
    QStringList texts; ///< answers to input boxes and file and folder dialogs
    QList<QColor> colors;
    QList<QFont> fonts;

    /// The text of the last message shown, or an empty string.
    QString lastMessage() const;

    Answer message(QWidget *parent, const QString &text, Icon icon, Buttons buttons, const QString &caption) override;
    std::optional<QString> input(
        QWidget *parent, const QString &prompt, const QString &caption, const QString &defaultText) override;
    QString openFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override;
    QString folder(QWidget *parent, const QString &caption, const QString &startFolder) override;
    std::optional<QColor> color(QWidget *parent, const QColor &initial, const QString &caption = {}) override;
    std::optional<QFont> font(QWidget *parent, const QFont &initial) override;

private:
    QString nextText();
};

} // namespace quorvel
