#include "accessibleinterfaces.h"

#include "narrator.h"
#include "qtform.h"
#include "statusarea.h"

#include <QLabel>

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

namespace {

constexpr const char *seenFieldProperty = "ponderivalSeenField";

QAccessibleInterface *createAccessible(const QString & /*className*/, QObject *object)
{
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto *widget = static_cast<QWidget *>(object);
    const QString name = object->objectName();
    if (name == QLatin1StringView(StatusArea::areaName)) {
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    }
    if (name == QLatin1StringView(StatusArea::noticeName)) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    const QVariant field = object->property(seenFieldProperty);
    auto *label = qobject_cast<QLabel *>(widget);
    return field.isValid() && label != nullptr
               ? new AccessibleField(label, static_cast<Field>(field.toInt()))
               : nullptr;
}

} // namespace

void markSeenField(QLabel &label, Field field)
{
    label.setProperty(seenFieldProperty, static_cast<int>(field));
}

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(createAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace ponderival::qt
