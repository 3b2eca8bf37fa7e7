#include "colourbutton.h"

#include "qtform.h"

#include <QPainter>
#include <QPen>

namespace ponderival::qt {

namespace {

// The three-dimensional edge around a button's face, in the colours of the window's description.
const QColor edgeHighlight = toQColor(form::buttonEdges.highlight);
const QColor edgeLight = toQColor(form::buttonEdges.light);
const QColor edgeShadow = toQColor(form::buttonEdges.shadow);
const QColor edgeDarkShadow = toQColor(form::buttonEdges.darkShadow);

// One pixel wide lines along the top and left, then along the bottom and right, of a rectangle.
void drawEdge(QPainter &painter, const QRect &rect, const QColor &topLeft,
              const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

// Every other pixel of the outline inverted, as the platform's focus rectangle is.
void drawFocusRectangle(QPainter &painter, const QRect &rect, const QColor &face)
{
    const QColor inverted(face.red() ^ 0xFF, face.green() ^ 0xFF, face.blue() ^ 0xFF);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(inverted, Qt::Dense4Pattern));
    painter.setBrushOrigin(rect.topLeft());
    painter.drawRect(rect.left(), rect.top(), rect.width(), 1);
    painter.drawRect(rect.left(), rect.bottom(), rect.width(), 1);
    painter.drawRect(rect.left(), rect.top(), 1, rect.height());
    painter.drawRect(rect.right(), rect.top(), 1, rect.height());
}

} // namespace

ColourButton::ColourButton(QWidget *parent) : QPushButton(parent) {}

void ColourButton::setBackgroundColour(const QColor &colour)
{
    if (colour != m_backgroundColour) {
        m_backgroundColour = colour;
        update();
    }
}

void ColourButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.fillRect(outer, m_backgroundColour);
    const bool sunken = isDown();
    if (sunken) {
        drawEdge(painter, outer, edgeDarkShadow, edgeHighlight);
        drawEdge(painter, inner, edgeShadow, edgeLight);
    } else {
        drawEdge(painter, outer, edgeHighlight, edgeDarkShadow);
        drawEdge(painter, inner, edgeLight, edgeShadow);
    }
    // A pressed caption moves down and right by a pixel, as if pushed into the face.
    const QRect face = outer.adjusted(3, 3, -3, -3).translated(sunken ? QPoint(1, 1) : QPoint());
    painter.setPen(toQColor(
        readableOn(toColour(m_backgroundColour), toColour(palette().color(QPalette::ButtonText)))));
    painter.drawText(face, Qt::AlignCenter, text());
    if (hasFocus()) {
        drawFocusRectangle(painter, outer.adjusted(3, 3, -3, -3), m_backgroundColour);
    }
}

} // namespace ponderival::qt
