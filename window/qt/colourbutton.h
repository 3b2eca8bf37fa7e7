#pragma once

#include <QColor>
#include <QPushButton>

namespace ponderival::qt {

// A push button that shows its background colour, as the window's buttons do on the platform the
// window was described for: the face is always exactly that colour. Focus is a dotted rectangle
// inside the face and a press sinks the edge; neither, nor the pointer, ever tints the face.
//
// The whole button is drawn here rather than by the style: a style (Fusion under the window's
// style sheet) lays a translucent highlight over a focused button, which greys the colour.
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
