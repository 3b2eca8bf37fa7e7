#include "accessiblenode.h"

#include <QVariant>

namespace ponderival::qt {

AccessibleNode::AccessibleNode(QObject *object, QAccessible::Role role)
    : QAccessibleObject(object), m_role(role)
{}

QAccessibleInterface *AccessibleNode::parent() const
{
    return QAccessible::queryAccessibleInterface(object()->parent());
}

QAccessibleInterface *AccessibleNode::child(int index) const
{
    const QObjectList &children = object()->children();
    if (index < 0 || index >= children.size()) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(children.at(index));
}

int AccessibleNode::childCount() const
{
    return static_cast<int>(object()->children().size());
}

int AccessibleNode::indexOfChild(const QAccessibleInterface *child) const
{
    return child ? static_cast<int>(object()->children().indexOf(child->object())) : -1;
}

QString AccessibleNode::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name:
        return object()->property("accessibleName").toString();
    case QAccessible::Description:
        return object()->property("accessibleDescription").toString();
    default:
        return {};
    }
}

QAccessible::Role AccessibleNode::role() const
{
    return m_role;
}

QAccessible::State AccessibleNode::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    return state;
}

QWindow *AccessibleNode::window() const
{
    const QAccessibleInterface *above = parent();
    return above ? above->window() : nullptr;
}

} // namespace ponderival::qt
