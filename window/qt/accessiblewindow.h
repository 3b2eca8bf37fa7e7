#pragma once

#include <QAccessibleWidget>

namespace ponderival::qt {

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

} // namespace ponderival::qt
