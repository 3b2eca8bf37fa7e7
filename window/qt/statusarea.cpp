#include "statusarea.h"

#include <QAccessible>

namespace ponderival::qt {

StatusArea::StatusArea(QWidget &window) : QWidget(&window)
{
    setObjectName(QLatin1StringView(areaName));
    setGeometry(0, 0, 0, 0);
    for (QWidget *&notice : m_notices) {
        notice = new QWidget(this);
        notice->setObjectName(QLatin1StringView(noticeName));
        notice->setGeometry(0, 0, 0, 0);
    }
}

void StatusArea::announce(const QString &message, const QString &followUp)
{
    QWidget *notice = m_notices.at(m_next);
    m_next = (m_next + 1) % statusSlots;
    notice->setAccessibleName(message);
    notice->setAccessibleDescription(followUp);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace ponderival::qt
