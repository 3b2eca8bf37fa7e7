#include "accessibleinterfaces.h"

#include "frmponderivaldescription.h"
#include "narrator.h"
#include "qtform.h"
#include "statusarea.h"

#include <QLabel>
#include <QVariant>

namespace ponderival::qt {

AccessibleField::AccessibleField(QLabel *label, Field field)
    : QAccessibleWidget(label, QAccessible::StaticText), m_field(field)
{}

QString AccessibleField::text(QAccessible::Text type) const
{
    QString value = static_cast<const QLabel *>(widget())->text();
    switch (type) {
    case QAccessible::Name:
        return toQString(spokenName(m_field, value.toStdString()));
    case QAccessible::Value:
        return value;
    case QAccessible::Description:
        return {};
    default:
        return QAccessibleWidget::text(type);
    }
}

AccessibleWindow::AccessibleWindow(QWidget *window) : QAccessibleWidget(window) {}

QAccessibleInterface *AccessibleWindow::statusArea() const
{
    auto *area = widget()->findChild<QObject *>(QLatin1StringView(StatusArea::areaName),
                                                Qt::FindDirectChildrenOnly);
    return area ? QAccessible::queryAccessibleInterface(area) : nullptr;
}

QAccessibleInterface *AccessibleWindow::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    return index == widgets ? statusArea() : QAccessibleWidget::child(index);
}

int AccessibleWindow::childCount() const
{
    return QAccessibleWidget::childCount() + (statusArea() ? 1 : 0);
}

int AccessibleWindow::indexOfChild(const QAccessibleInterface *child) const
{
    if (child && child == statusArea()) {
        return QAccessibleWidget::childCount();
    }
    return QAccessibleWidget::indexOfChild(child);
}

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
    return index >= 0 && index < children.size()
               ? QAccessible::queryAccessibleInterface(children.at(index))
               : nullptr;
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
    const char *property = type == QAccessible::Name          ? "accessibleName"
                           : type == QAccessible::Description ? "accessibleDescription"
                                                              : nullptr;
    return property ? object()->property(property).toString() : QString();
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

namespace {

QAccessibleInterface *createAccessible(const QString & /*className*/, QObject *object)
{
    if (object == nullptr) {
        return nullptr;
    }
    const QString name = object->objectName();
    if (name == QLatin1StringView(StatusArea::areaName)) {
        return new AccessibleNode(object, QAccessible::StatusBar);
    }
    if (name == QLatin1StringView(StatusArea::noticeName)) {
        return new AccessibleNode(object, QAccessible::Notification);
    }
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto *widget = static_cast<QWidget *>(object);
    if (name == toQString(form::window.name)) {
        return new AccessibleWindow(widget);
    }
    const auto index = form::controlIndex(name.toStdString());
    const auto field = index ? fieldAt(*index) : std::nullopt;
    auto *label = qobject_cast<QLabel *>(widget);
    return field && label && !form::controls.at(*index).heading.empty()
               ? new AccessibleField(label, *field)
               : nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(createAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace ponderival::qt
