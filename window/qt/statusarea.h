#pragma once

#include "narrator.h"

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
// follows it as its description, which Orca speaks in one breath; consecutive messages take the
// window's status slots in turn.
class StatusArea final : public QWidget
{
public:
    static constexpr const char *areaName = "ponderivalStatusArea";
    static constexpr const char *noticeName = "ponderivalNotice";

    explicit StatusArea(QWidget &window);

    void announce(const QString &message, const QString &followUp);

private:
    std::array<QWidget *, statusSlots> m_notices{};
    std::size_t m_next = 0;
};

} // namespace ponderival::qt
