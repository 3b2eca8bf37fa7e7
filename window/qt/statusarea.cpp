#include "statusarea.h"

#include <QAccessible>
#include <QVariant>
#include <QWidget>

namespace ponderival::qt {

StatusArea::StatusArea(QWidget &window) : QObject(&window)
{
    setObjectName(QLatin1StringView(areaName));
    for (QObject *&notice : m_notices) {
        notice = new QObject(this);
        notice->setObjectName(QLatin1StringView(noticeName));
    }
}

void StatusArea::announce(const QString &message, const QString &followUp)
{
    QObject *notice = m_notices.at(m_next);
    m_next = (m_next + 1) % noticeCount;
    notice->setProperty("accessibleName", message);
    notice->setProperty("accessibleDescription", followUp);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace ponderival::qt
