// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility.h"

#include "platform/linklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quorvel
{
namespace
{

/// A LinkLabel as a link: its caption is its name, and "press" activates it.
class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const LinkLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList { pressAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            static_cast<LinkLabel *>(widget())->activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

bool isOurPlainWindow(const QString &className, const QWidget *widget)
{
    // Answered for the class itself only, not for the classes it derives from.
    const QMetaObject *meta = widget->metaObject();
    return widget->isWindow() && className == QLatin1String(meta->className())
        && className.startsWith(QLatin1String("quorvel::")) && meta->superClass() == &QWidget::staticMetaObject;
}

QAccessibleInterface *accessibleInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new AccessibleLink(static_cast<LinkLabel *>(widget));
    if (isOurPlainWindow(className, widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace quorvel
