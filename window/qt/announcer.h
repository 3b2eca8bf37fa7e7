#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <chrono>

class QLabel;
class QPushButton;

namespace ponderival::qt {

// Tells a screen reader what a sighted user sees change, and no more than it can use. The window
// calls it after each event's procedure, once the texts are on show.
//
// Qt 6.4 has no announcement event, and it sends a button's name change with the button in place
// of its new text, so a screen reader cannot speak cmdStop's new caption. The window therefore
// has a status area holding notifications, and each change of the run is announced by showing a
// notification with the message as its name: the caption when a run starts or is halted, and at
// a solution the answer with its headings, the caption after it. A screen reader reads the
// message when it gets to the event, which may be after the next one was sent (the first run
// halts 40 ms after it starts), so consecutive messages go to different notifications in turn.
//
// While the search runs, the value fields change a hundred times a second. They are named after
// their headings, so Qt sends no event of its own for a new text; their name changes are sent from
// here at most every `pacing`, and at once when the run stops. Their texts are always the labels'
// own, whenever a screen reader asks.
class Announcer final : public QObject
{
public:
    static constexpr const char *statusAreaName = "ponderivalStatusArea";
    static constexpr const char *noticeName = "ponderivalNotice";
    static constexpr std::chrono::milliseconds pacing{250};
    static constexpr std::size_t noticeCount = 3;
    using Fields = std::array<QLabel *, 3>;

    Announcer(QWidget &window, const Fields &fields, QPushButton &stopButton, const QTimer &timer1);

    void eventHandled();

    // The table's values with their headings, the empty ones left out: "Somma 15, Numero 6, Case
    // 8".
    [[nodiscard]] QString summary() const;

private:
    void runChanged(bool running);
    void sendFieldChanges();
    void announce(const QString &message, const QString &detail);

    Fields m_fields;
    std::array<QString, 3> m_sentTexts;
    QPushButton &m_stopButton;
    const QTimer &m_timer1;
    bool m_running = false;
    std::array<QObject *, noticeCount> m_notices{};
    std::size_t m_nextNotice = 0;
    QTimer m_pacer;
};

} // namespace ponderival::qt
