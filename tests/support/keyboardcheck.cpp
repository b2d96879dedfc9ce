// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardcheck.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

#include <map>

namespace quorvel::test
{
namespace
{

QString describe(const QWidget *widget)
{
    return QStringLiteral("%1 (%2)").arg(widget->objectName(), QLatin1String(widget->metaObject()->className()));
}

bool isInToolBar(const QWidget *widget)
{
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QToolBar *>(w))
            return true;
    }
    return false;
}

bool isControl(const QWidget *widget)
{
    // The parts Qt builds inside a control (a combo box's line edit, a spin box's
    // editor, a scroll area's bars) belong to that control.
    if (widget->objectName().startsWith(QLatin1String("qt_")))
        return false;
    // The focus proxy of an enclosing control (a web view's drawing surface) is
    // that control.
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (w->focusProxy() == widget)
            return false;
    }
    if (qobject_cast<const QLineEdit *>(widget) && qobject_cast<const QAbstractSpinBox *>(widget->parentWidget()))
        return false;
    if (qobject_cast<const QLineEdit *>(widget) && qobject_cast<const QComboBox *>(widget->parentWidget()))
        return false;
    if (qobject_cast<const QAbstractSlider *>(widget) && widget->inherits("QScrollBar"))
        return false;
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QAbstractItemView *>(widget) || qobject_cast<const QAbstractSlider *>(widget)
        || qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget)
        || (widget->focusPolicy() & Qt::TabFocus);
}

bool takesTabAsText(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QTextEdit *>(widget))
        return !edit->isReadOnly() && !edit->tabChangesFocus();
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(widget))
        return !edit->isReadOnly() && !edit->tabChangesFocus();
    return false;
}

/// The control a focused widget stands for (a focus proxy's owner, a spin box for
/// its editor).
QWidget *controlOf(QWidget *focused, const QList<QWidget *> &controls)
{
    for (QWidget *w = focused; w; w = w->parentWidget()) {
        if (controls.contains(w))
            return w;
        for (QWidget *control : controls) {
            if (control->focusProxy() == w)
                return control;
        }
    }
    return focused;
}

QChar mnemonicOf(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

void checkMenu(QMenu *menu, const QString &path, const QStringList &tolerated, QStringList &faults)
{
    std::map<QChar, QStringList> used;
    for (QAction *action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QChar letter = mnemonicOf(action->text());
        if (!letter.isNull())
            used[letter] += action->text();
        if (action->menu())
            checkMenu(action->menu(), path + QStringLiteral(" > ") + action->text(), tolerated, faults);
    }
    for (const auto &[letter, captions] : used) {
        qsizetype clashes = captions.size();
        for (const QString &caption : captions)
            clashes -= tolerated.contains(caption) ? 1 : 0;
        if (captions.size() > 1 && clashes > 0)
            faults += QStringLiteral("%1: '%2' in %3").arg(path, QString(letter), captions.join(QStringLiteral(", ")));
    }
}

} // namespace

QList<QWidget *> userControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window || !widget->isVisibleTo(window) || !widget->isEnabled())
            continue;
        if (isInToolBar(widget) || qobject_cast<QMenuBar *>(widget) || qobject_cast<QMenu *>(widget))
            continue;
        if (isControl(widget))
            controls += widget;
    }
    return controls;
}

QStringList controlsNotReachedByTab(QWidget *window)
{
    const QList<QWidget *> controls = userControls(window);
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        return { QStringLiteral("the window did not become active") };
    QSet<QWidget *> reached;
    QWidget *start = nullptr;
    bool leftStart = false;
    // Round the window once: until Tab comes back to the control it started from. A
    // control may keep the focus for several presses (a help page's links).
    for (int step = 0; step < 4 * controls.size() + 40; ++step) {
        QWidget *focused = QApplication::focusWidget();
        if (!focused)
            focused = window;
        if (focused != window) {
            QWidget *control = controlOf(focused, controls);
            if (!start)
                start = control;
            else if (control != start)
                leftStart = true;
            else if (leftStart)
                break;
            reached.insert(control);
        }
        QTest::keyClick(focused, Qt::Key_Tab, takesTabAsText(focused) ? Qt::ControlModifier : Qt::NoModifier);
    }
    QStringList missing;
    for (QWidget *control : controls) {
        if (reached.contains(control))
            continue;
        if (auto *radio = qobject_cast<QRadioButton *>(control); radio && radio->autoExclusive()) {
            bool groupReached = false;
            for (QRadioButton *other : radio->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
                groupReached = groupReached || reached.contains(other);
            if (groupReached)
                continue;
        }
        missing += describe(control);
    }
    return missing;
}

QStringList controlsWithoutAccessibleName(QWidget *window)
{
    QStringList missing;
    for (QWidget *control : userControls(window)) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            missing += describe(control);
    }
    return missing;
}

QStringList mnemonicFaults(QWidget *window, const QStringList &tolerated)
{
    QStringList faults;
    std::map<QChar, QStringList> used;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window || !widget->isVisibleTo(window) || isInToolBar(widget))
            continue;
        QString caption;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            caption = button->text();
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            caption = box->title();
        else if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
                continue;
            caption = label->text();
            if (!mnemonicOf(caption).isNull() && !label->buddy())
                faults +=
                    QStringLiteral("label \"%1\" (%2) has a mnemonic but no buddy").arg(caption, label->objectName());
        }
        const QChar letter = mnemonicOf(caption);
        if (!letter.isNull())
            used[letter] += caption;
    }
    if (auto *bar = window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly)) {
        for (QAction *action : bar->actions()) {
            if (!action->isVisible())
                continue;
            const QChar letter = mnemonicOf(action->text());
            if (!letter.isNull())
                used[letter] += action->text();
            if (action->menu())
                checkMenu(action->menu(), action->text(), tolerated, faults);
        }
    }
    for (const auto &[letter, captions] : used) {
        qsizetype clashes = captions.size();
        for (const QString &caption : captions)
            clashes -= tolerated.contains(caption) ? 1 : 0;
        if (captions.size() > 1 && clashes > 0)
            faults += QStringLiteral("'%1' in %2").arg(QString(letter), captions.join(QStringLiteral(", ")));
    }
    return faults;
}

} // namespace quorvel::test
