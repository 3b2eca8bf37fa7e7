#include "accessiblefield.h"

#include <QLabel>

namespace ponderival::qt {

AccessibleField::AccessibleField(QLabel *field) : QAccessibleWidget(field, QAccessible::StaticText)
{}

QString AccessibleField::text(QAccessible::Text type) const
{
    QString value = static_cast<const QLabel *>(widget())->text();
    const QString heading = widget()->accessibleName();
    switch (type) {
    case QAccessible::Name:
        return value.isEmpty() ? heading : heading + u' ' + value;
    case QAccessible::Value:
        return value;
    case QAccessible::Description:
        return {};
    default:
        return QAccessibleWidget::text(type);
    }
}

} // namespace ponderival::qt
