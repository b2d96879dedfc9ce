// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/prompts.h"

#include "platform/fileicons.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace quorvel
{

QString Prompts::programTitle()
{
    return QStringLiteral("Quorvel");
}

Prompts::Answer QtPrompts::message(
    QWidget *parent, const QString &text, Icon icon, Buttons buttons, const QString &caption)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
}

std::optional<QString> QtPrompts::input(
    QWidget *parent, const QString &prompt, const QString &caption, const QString &defaultText)
{
    bool ok = false;
    QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

namespace
{

// A file dialog as the static QFileDialog functions show it, but one that lists a
// folder without opening the files in it (see NameOnlyIconProvider).
QString chooseFile(QWidget *parent,
    const QString &caption,
    const QString &folder,
    const QString &filter,
    QFileDialog::FileMode mode,
    QFileDialog::AcceptMode accept)
{
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setIconProvider(nameOnlyIconProvider());
    dialog.setFileMode(mode);
    dialog.setAcceptMode(accept);
    if (mode == QFileDialog::Directory)
        dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString QtPrompts::openFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return chooseFile(parent, caption, folder, filter, QFileDialog::ExistingFile, QFileDialog::AcceptOpen);
}

QString QtPrompts::saveFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return chooseFile(parent, caption, folder, filter, QFileDialog::AnyFile, QFileDialog::AcceptSave);
}

QString QtPrompts::folder(QWidget *parent, const QString &caption, const QString &startFolder)
{
    return chooseFile(parent, caption, startFolder, QString(), QFileDialog::Directory, QFileDialog::AcceptOpen);
}

std::optional<QColor> QtPrompts::color(QWidget *parent, const QColor &initial, const QString &caption)
{
    const QColor chosen = QColorDialog::getColor(initial, parent, caption);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtPrompts::font(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return chosen;
}

QString ScriptedPrompts::lastMessage() const
{
    for (auto it = records.crbegin(); it != records.crend(); ++it) {
        if (it->kind == QLatin1String("message"))
            return it->text;
    }
    return {};
}

Prompts::Answer ScriptedPrompts::message(
    QWidget *, const QString &text, Icon icon, Buttons buttons, const QString &caption)
{
    records.append({ QStringLiteral("message"), text, caption, icon, buttons });
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

QString ScriptedPrompts::nextText()
{
    return texts.isEmpty() ? QString() : texts.takeFirst();
}

std::optional<QString> ScriptedPrompts::input(QWidget *, const QString &prompt, const QString &caption, const QString &)
{
    records.append({ QStringLiteral("input"), prompt, caption });
    if (texts.isEmpty())
        return std::nullopt;
    return texts.takeFirst();
}

QString ScriptedPrompts::openFile(QWidget *, const QString &caption, const QString &folder, const QString &filter)
{
    records.append({ QStringLiteral("openFile"), caption, caption, Icon::None, Buttons::Ok, folder, filter });
    return nextText();
}

QString ScriptedPrompts::saveFile(QWidget *, const QString &caption, const QString &folder, const QString &filter)
{
    records.append({ QStringLiteral("saveFile"), caption, caption, Icon::None, Buttons::Ok, folder, filter });
    return nextText();
}

QString ScriptedPrompts::folder(QWidget *, const QString &caption, const QString &)
{
    records.append({ QStringLiteral("folder"), caption, caption });
    return nextText();
}

std::optional<QColor> ScriptedPrompts::color(QWidget *, const QColor &initial, const QString &caption)
{
    records.append({ QStringLiteral("color"), caption, caption, Icon::None, Buttons::Ok, {}, {}, initial });
    if (colors.isEmpty())
        return std::nullopt;
    return colors.takeFirst();
}

std::optional<QFont> ScriptedPrompts::font(QWidget *, const QFont &)
{
    records.append({ QStringLiteral("font"), QString(), QString() });
    if (fonts.isEmpty())
        return std::nullopt;
    return fonts.takeFirst();
}

} // namespace quorvel
