#pragma once

#include <QAccessible>
#include <QObject>
#include <QTimer>

#include <array>
#include <chrono>

class QLabel;
class QPushButton;

// Tells a screen reader what a sighted user sees change, and no more than it can use.
//
// Qt 6.4 has no announcement event, and it sends a button's name change with the button in place
// of its new text, so a screen reader cannot speak cmdStop's new caption. The window therefore
// has a status area holding notifications, and each change of the run is announced by showing a
// notification with the message as its name: the caption when a run starts or is halted, and at
// a solution the answer with its headings, the caption after it. A screen reader reads the
// message when it gets to the event, which may be after the next one was sent (the first run
// halts 40 ms after it starts), so consecutive messages go to different notifications in turn.
//
// While the search runs, the value fields change a hundred times a second. Their name changes are
// held back and sent at most every `pacing`, and at once when the run stops, which keeps a
// screen reader's picture of the window current without making it work for every tick. Their
// texts are always the labels' own, whenever they are asked for.
class Announcer final : public QObject
{
public:
    static constexpr const char *statusAreaName = "ponderivalStatusArea";
    static constexpr const char *noticeName = "ponderivalNotice";
    static constexpr std::chrono::milliseconds pacing{250};
    static constexpr std::size_t noticeCount = 3;

    explicit Announcer(QWidget &window);
    ~Announcer() override;
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;
    Announcer(Announcer &&) = delete;
    Announcer &operator=(Announcer &&) = delete;

    // The table's values with their headings, the empty ones left out: "Somma 15, Numero 6, Case
    // 8".
    [[nodiscard]] QString summary() const;

private:
    static void handleUpdate(QAccessibleEvent *event);
    static void forward(QAccessibleEvent *event);
    bool holdBack(const QAccessibleEvent &event);
    void settle();
    void flush();
    void announce(const QString &message, const QString &detail);

    std::array<QLabel *, 3> m_fields{};
    std::array<bool, 3> m_held{};
    QPushButton *m_stopButton;
    QTimer *m_timer1;
    std::array<QObject *, noticeCount> m_notices{};
    std::size_t m_nextNotice = 0;
    QTimer m_pacer;
    bool m_settling = false;
    Announcer *m_outer = nullptr;
};
