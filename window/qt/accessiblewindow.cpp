#include "accessiblewindow.h"

#include "announcer.h"

#include <QWidget>

namespace ponderival::qt {

AccessibleWindow::AccessibleWindow(QWidget *window) : QAccessibleWidget(window) {}

QAccessibleInterface *AccessibleWindow::statusArea() const
{
    auto *area = widget()->findChild<QObject *>(QLatin1StringView(Announcer::statusAreaName),
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

} // namespace ponderival::qt
