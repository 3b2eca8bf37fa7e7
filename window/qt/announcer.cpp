#include "announcer.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

// Announcers stack, the newest first; Qt's own handler, or the one installed before, is last.
Announcer *innermost = nullptr;
QAccessible::UpdateHandler outerHandler = nullptr;

template <typename T> T *control(const QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1StringView(name));
}

} // namespace

Announcer::Announcer(QWidget &window)
    : QObject(&window), m_fields{control<QLabel>(window, "lblTot"),
                                 control<QLabel>(window, "lblCivico"),
                                 control<QLabel>(window, "lblCase")},
      m_stopButton(control<QPushButton>(window, "cmdStop")),
      m_timer1(control<QTimer>(window, "Timer1"))
{
    auto *statusArea = new QObject(&window);
    statusArea->setObjectName(QLatin1StringView(statusAreaName));
    for (QObject *&notice : m_notices) {
        notice = new QObject(statusArea);
        notice->setObjectName(QLatin1StringView(noticeName));
    }
    m_pacer.setSingleShot(true);
    m_pacer.setInterval(pacing);
    connect(&m_pacer, &QTimer::timeout, this, &Announcer::flush);
    if (!innermost) {
        outerHandler = QAccessible::installUpdateHandler(&Announcer::handleUpdate);
    }
    m_outer = std::exchange(innermost, this);
}

Announcer::~Announcer()
{
    Announcer **link = &innermost;
    while (*link && *link != this) {
        link = &(*link)->m_outer;
    }
    if (*link) {
        *link = m_outer;
    }
    if (!innermost) {
        QAccessible::installUpdateHandler(outerHandler);
        outerHandler = nullptr;
    }
}

void Announcer::handleUpdate(QAccessibleEvent *event)
{
    for (Announcer *announcer = innermost; announcer; announcer = announcer->m_outer) {
        if (announcer->holdBack(*event)) {
            return;
        }
    }
    forward(event);
}

void Announcer::forward(QAccessibleEvent *event)
{
    if (outerHandler) {
        outerHandler(event);
        return;
    }
    // Qt's own delivery runs only when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&Announcer::handleUpdate);
}

bool Announcer::holdBack(const QAccessibleEvent &event)
{
    if (event.type() != QAccessible::NameChanged) {
        return false;
    }
    if (event.object() == m_stopButton) {
        // The caption changes inside the event's procedure; the fields get their texts when it
        // returns, so the run's new state is read once the event is over.
        if (!std::exchange(m_settling, true)) {
            QMetaObject::invokeMethod(this, &Announcer::settle, Qt::QueuedConnection);
        }
        return false;
    }
    const auto found = std::find(m_fields.begin(), m_fields.end(), event.object());
    if (found == m_fields.end()) {
        return false;
    }
    m_held.at(static_cast<std::size_t>(found - m_fields.begin())) = true;
    if (!m_pacer.isActive()) {
        m_pacer.start();
    }
    return true;
}

void Announcer::flush()
{
    m_pacer.stop();
    for (std::size_t index = 0; index < m_fields.size(); ++index) {
        if (std::exchange(m_held.at(index), false)) {
            QAccessibleEvent changed(m_fields.at(index), QAccessible::NameChanged);
            forward(&changed);
        }
    }
}

void Announcer::settle()
{
    m_settling = false;
    flush();
    const QString caption = m_stopButton->text();
    if (m_timer1 && m_timer1->isActive()) {
        m_stopButton->setAccessibleDescription(QString());
        announce(caption, QString());
        return;
    }
    const QString result = summary();
    m_stopButton->setAccessibleDescription(result);
    if (m_fields.back()->text().isEmpty()) {
        announce(caption, QString());
    } else {
        announce(result, caption);
    }
}

QString Announcer::summary() const
{
    QStringList parts;
    for (QLabel *field : m_fields) {
        const QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(field);
        if (accessible && !field->text().isEmpty()) {
            parts.append(accessible->text(QAccessible::Name));
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
    forward(&shown);
}
