#pragma once

#include <QAccessibleWidget>

class QLabel;

// One of the table's value fields, read with its column heading ("Somma 15"), so that every way a
// screen reader reviews the window (the object alone, or the screen line by line) says what the
// number is. A field with no text reads as its heading alone. The texts are the labels' own at
// the moment they are asked for.
class AccessibleField final : public QAccessibleWidget
{
public:
    AccessibleField(QLabel *field, const QLabel &heading);

    [[nodiscard]] QString text(QAccessible::Text type) const override;

private:
    [[nodiscard]] QLabel &field() const;

    const QLabel &m_heading;
};
