#include "announcer.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace ponderival::qt {

Announcer::Announcer(QWidget &window, const Fields &fields, QPushButton &stopButton,
                     const QTimer &timer1)
    : QObject(&window), m_fields(fields), m_stopButton(stopButton), m_timer1(timer1)
{
    for (std::size_t index = 0; index < m_fields.size(); ++index) {
        m_sentTexts.at(index) = m_fields.at(index)->text();
    }
    auto *statusArea = new QObject(&window);
    statusArea->setObjectName(QLatin1StringView(statusAreaName));
    for (QObject *&notice : m_notices) {
        notice = new QObject(statusArea);
        notice->setObjectName(QLatin1StringView(noticeName));
    }
    m_pacer.setSingleShot(true);
    m_pacer.setInterval(pacing);
    connect(&m_pacer, &QTimer::timeout, this, &Announcer::sendFieldChanges);
}

void Announcer::eventHandled()
{
    const bool running = m_timer1.isActive();
    if (running != m_running) {
        m_running = running;
        runChanged(running);
    } else if (!m_pacer.isActive() && QAccessible::isActive()) {
        m_pacer.start();
    }
}

void Announcer::runChanged(bool running)
{
    sendFieldChanges();
    const QString caption = m_stopButton.text();
    if (running) {
        m_stopButton.setAccessibleDescription(QString());
        announce(caption, QString());
        return;
    }
    const QString result = summary();
    m_stopButton.setAccessibleDescription(result);
    if (m_fields.back()->text().isEmpty()) {
        announce(caption, QString());
    } else {
        announce(result, caption);
    }
}

void Announcer::sendFieldChanges()
{
    m_pacer.stop();
    for (std::size_t index = 0; index < m_fields.size(); ++index) {
        QLabel *field = m_fields.at(index);
        if (field->text() != m_sentTexts.at(index)) {
            m_sentTexts.at(index) = field->text();
            QAccessibleEvent changed(field, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

QString Announcer::summary() const
{
    QStringList parts;
    for (QLabel *field : m_fields) {
        if (!field->text().isEmpty()) {
            parts.append(field->accessibleName() + u' ' + field->text());
        }
    }
    return parts.join(QLatin1StringView(", "));
}

void Announcer::announce(const QString &message, const QString &detail)
{
    QObject *notice = m_notices.at(m_nextNotice);
    m_nextNotice = (m_nextNotice + 1) % noticeCount;
    notice->setProperty("accessibleName", message);
    notice->setProperty("accessibleDescription", detail);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace ponderival::qt
