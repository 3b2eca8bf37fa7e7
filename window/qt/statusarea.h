#pragma once

#include "narrator.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>

namespace ponderival::qt {

// Where the window's spoken messages reach a screen reader. Qt 6.4 has no announcement event, so
// a message is a notification shown in a status area of no size, its follow-up the description,
// which Orca speaks in one breath; consecutive messages take the window's status slots in turn.
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
