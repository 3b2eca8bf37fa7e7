#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>

namespace ponderival::qt {

// Where the window's spoken messages are shown to a screen reader, and nowhere else.
//
// Qt 6.4 has no announcement event, and it sends a button's name change with the button in place
// of its new text, so a screen reader cannot speak cmdStop's new caption. The window therefore
// has a status area holding notifications, shown but of no size, so nothing of it is drawn; each
// message is announced by showing a notification with the message as its name and what
// follows it as its description, which Orca speaks in one breath. A screen reader reads the
// message when it gets to the event, which may be after the next one was sent (the first run
// halts 40 ms after it starts), so consecutive messages go to different notifications in turn.
class StatusArea final : public QWidget
{
public:
    static constexpr const char *areaName = "ponderivalStatusArea";
    static constexpr const char *noticeName = "ponderivalNotice";
    static constexpr std::size_t noticeCount = 3;

    explicit StatusArea(QWidget &window);

    void announce(const QString &message, const QString &followUp);

private:
    std::array<QWidget *, noticeCount> m_notices{};
    std::size_t m_next = 0;
};

} // namespace ponderival::qt
