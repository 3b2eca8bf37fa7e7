#include "accessiblefield.h"

#include <QLabel>

AccessibleField::AccessibleField(QLabel *field, const QLabel &heading)
    : QAccessibleWidget(field, QAccessible::StaticText), m_heading(heading)
{}

QLabel &AccessibleField::field() const
{
    return *static_cast<QLabel *>(widget());
}

QString AccessibleField::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name: {
        const QString value = field().text();
        return value.isEmpty() ? m_heading.text() : m_heading.text() + u' ' + value;
    }
    case QAccessible::Value:
        return field().text();
    case QAccessible::Description:
        return {};
    default:
        return QAccessibleWidget::text(type);
    }
}
