// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardcheck.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
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

/// Where an object is in its window: the names down from the window, an unnamed
/// object by its class and place among its parent's children of that class.
QString pathOf(const QObject *object, const QObject *window)
{
    QStringList parts;
    for (const QObject *o = object; o && o != window; o = o->parent()) {
        QString part = o->objectName();
        if (part.isEmpty()) {
            const char *className = o->metaObject()->className();
            int place = 0;
            for (const QObject *sibling : o->parent()->children()) {
                if (sibling == o)
                    break;
                place += qstrcmp(sibling->metaObject()->className(), className) == 0 ? 1 : 0;
            }
            part = QStringLiteral("%1#%2").arg(QLatin1String(className)).arg(place);
        }
        parts.prepend(part);
    }
    parts.prepend(window->objectName());
    return parts.join(u'/');
}

bool isScrollAreaBar(const QWidget *widget)
{
    if (!widget->inherits("QScrollBar"))
        return false;
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(w))
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
    // A scroll area's bars belong to the area; a scroll bar of its own is a control.
    if (isScrollAreaBar(widget))
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

QStringList screenReaderFaults(QWidget *window)
{
    QStringList faults;
    const QAccessible::Role role = QAccessible::queryAccessibleInterface(window)->role();
    if (role != QAccessible::Window && role != QAccessible::Dialog)
        faults += QStringLiteral("the window is announced with role %1, not as a window").arg(int(role));
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->window() != window || !label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        const QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
        const QString name = accessible->text(QAccessible::Name);
        // A label's "&" marks its mnemonic letter; a screen reader does not say it.
        QString shown = label->text();
        if (label->buddy() && label->textFormat() != Qt::RichText)
            shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        if (!name.contains(shown))
            faults +=
                QStringLiteral("label %1 shows \"%2\" but is read as \"%3\"").arg(describe(label), label->text(), name);
        if (label->focusPolicy() & Qt::TabFocus) {
            QAccessibleInterface *focusable = QAccessible::queryAccessibleInterface(label);
            const QAccessibleActionInterface *actions = focusable->actionInterface();
            if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
                faults += QStringLiteral("label %1 takes the focus but cannot be pressed").arg(describe(label));
        }
    }
    return faults;
}

QList<QAbstractButton *> stateButtons(QWidget *window)
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->window() == window && button->isCheckable() && button->isVisibleTo(window) && button->isEnabled())
            buttons += button;
    }
    return buttons;
}

QStringList observableState(QWidget *window)
{
    QStringList lines;
    const auto add = [&lines, window](const QObject *object, const QString &fact) {
        lines += QStringLiteral("%1: %2").arg(pathOf(object, window), fact);
    };
    QList<QWidget *> widgets { window };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        // The parts Qt builds inside a control, and where a scroll area stands,
        // follow the layout, not the state.
        if (widget->window() == window && !isScrollAreaBar(widget) && !widget->objectName().startsWith(u"qt_"))
            widgets += widget;
    }
    for (QWidget *widget : widgets) {
        QString fact = QStringLiteral("%1 %2").arg(
            widget->isVisibleTo(window) ? QStringLiteral("shown") : QStringLiteral("hidden"),
            widget->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            fact += QStringLiteral(" \"%1\" checked=%2").arg(button->text()).arg(button->isChecked());
        else if (auto *label = qobject_cast<QLabel *>(widget))
            fact += QStringLiteral(" \"%1\"").arg(label->text());
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            fact += QStringLiteral(" \"%1\"").arg(edit->text());
        else if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
            fact += QStringLiteral(" \"%1\"").arg(text->toPlainText());
        else if (auto *text = qobject_cast<QTextEdit *>(widget))
            fact += QStringLiteral(" \"%1\"").arg(text->toPlainText());
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            fact += QStringLiteral(" \"%1\"").arg(combo->currentText());
        else if (auto *slider = qobject_cast<QAbstractSlider *>(widget))
            fact += QStringLiteral(" %1 of %2..%3").arg(slider->value()).arg(slider->minimum()).arg(slider->maximum());
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            fact += QStringLiteral(" \"%1\" checked=%2").arg(box->title()).arg(box->isChecked());
        else if (auto *view = qobject_cast<QAbstractItemView *>(widget))
            fact += QStringLiteral(" current \"%1\"").arg(view->currentIndex().data().toString());
        if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget))
            fact += QStringLiteral(" read as \"%1\"").arg(accessible->text(QAccessible::Name));
        add(widget, fact);
        // The properties the program's own widgets declare.
        for (const QMetaObject *meta = widget->metaObject();
             meta && QLatin1String(meta->className()).startsWith(QLatin1String("quorvel::"));
             meta = meta->superClass()) {
            for (int p = meta->propertyOffset(); p < meta->propertyCount(); ++p) {
                const QMetaProperty property = meta->property(p);
                add(widget,
                    QStringLiteral("%1=%2").arg(QLatin1String(property.name()), property.read(widget).toString()));
            }
        }
    }
    for (const QAction *action : window->findChildren<QAction *>()) {
        add(action,
            QStringLiteral("\"%1\" checked=%2 enabled=%3 shown=%4")
                .arg(action->text())
                .arg(action->isChecked())
                .arg(action->isEnabled())
                .arg(action->isVisible()));
    }
    lines.sort();
    return lines;
}

} // namespace quorvel::test
