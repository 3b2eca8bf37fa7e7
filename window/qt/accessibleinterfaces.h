#pragma once

#include "panel.h"

#include <QAccessibleWidget>

class QLabel;

namespace ponderival::qt {

// The window's own accessible interfaces: the table's fields read with their headings, and the
// status area with its notifications. Installed once, before the first window is built.
void installAccessibleInterfaces();

// Makes the label read as this seen field; done before its first change, when Qt makes and keeps
// its accessible interface.
void markSeenField(QLabel &label, Field field);

// One of the table's value fields, named as the search names it ("Somma 15"), so that every way a
// screen reader reviews the window (the object alone, or the screen line by line) says what the
// number is. The texts are the label's own at the moment they are asked for.
class AccessibleField final : public QAccessibleWidget
{
public:
    AccessibleField(QLabel *label, Field field);
    [[nodiscard]] QString text(QAccessible::Text type) const override;

private:
    Field m_field;
};

} // namespace ponderival::qt
