#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace ponderival::qt {

// One of the table's value fields, read with its column heading ("Somma 15"), so that every way a
// screen reader reviews the window (the object alone, or the screen line by line) says what the
// number is. The field's accessible name is its heading; a field with no text reads as the
// heading alone. The texts are the label's own at the moment they are asked for.
class AccessibleField final : public QAccessibleWidget
{
public:
    explicit AccessibleField(QLabel *field);

    [[nodiscard]] QString text(QAccessible::Text type) const override;
};

} // namespace ponderival::qt
