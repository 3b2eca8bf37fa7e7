#pragma once

#include <QAccessibleObject>

namespace ponderival::qt {

// An accessible object with no widget of its own, such as the status area that carries the
// window's spoken messages. Its texts are the object's "accessibleName" and
// "accessibleDescription" properties; its children are the object's children.
class AccessibleNode final : public QAccessibleObject
{
public:
    AccessibleNode(QObject *object, QAccessible::Role role);

    [[nodiscard]] QAccessibleInterface *parent() const override;
    [[nodiscard]] QAccessibleInterface *child(int index) const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override;
    [[nodiscard]] QString text(QAccessible::Text type) const override;
    [[nodiscard]] QAccessible::Role role() const override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QWindow *window() const override;

private:
    QAccessible::Role m_role;
};

} // namespace ponderival::qt
