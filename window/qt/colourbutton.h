#pragma once

#include <QColor>
#include <QPushButton>

namespace ponderival::qt {

// A push button whose face is always exactly its background colour: focus is a dotted rectangle
// and a press sinks the edge. It draws itself, since a style lays a translucent highlight over a
// focused button, which greys the colour.
class ColourButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColour READ backgroundColour WRITE setBackgroundColour)

public:
    explicit ColourButton(QWidget *parent = nullptr);

    [[nodiscard]] QColor backgroundColour() const { return m_backgroundColour; }
    void setBackgroundColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backgroundColour;
};

} // namespace ponderival::qt
