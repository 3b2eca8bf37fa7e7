#pragma once

#include "panel.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>

class QLabel;

namespace ponderival::qt {

// The window's own accessible interfaces, below: the table's fields read with their headings, the
// window with its status area, and the status area's notifications. Installed once, before the
// first window is built.
void installAccessibleInterfaces();

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

// The window as its child widgets make it, plus the status area that carries its spoken messages
// (an object with no widget, so nothing of it is drawn).
class AccessibleWindow final : public QAccessibleWidget
{
public:
    explicit AccessibleWindow(QWidget *window);
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;

private:
    [[nodiscard]] QAccessibleInterface *statusArea() const;
};

// The status area and its notifications: objects with no widget, whose texts are their
// "accessibleName" and "accessibleDescription" properties and whose children are their own.
class AccessibleNode final : public QAccessibleObject
{
public:
    AccessibleNode(QObject *object, QAccessible::Role role);
    [[nodiscard]] QAccessibleInterface *parent() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    [[nodiscard]] QString text(QAccessible::Text type) const override;
    [[nodiscard]] QAccessible::Role role() const override { return m_role; }
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QWindow *window() const override;

private:
    QAccessible::Role m_role;
};

} // namespace ponderival::qt
