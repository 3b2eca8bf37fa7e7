#include "windowreading.h"

namespace windowreading {

namespace {

// The face's top row lies below the two-pixel edge and the focus rectangle drawn inside it.
constexpr int faceRow = 5;

} // namespace

QColor faceColour(const QImage &button)
{
    return button.pixelColor(button.width() / 2, faceRow);
}

bool faceIs(const QImage &button, const QColor &colour)
{
    for (int x = faceRow; x < button.width() - faceRow; ++x) {
        if (button.pixelColor(x, faceRow) != colour) {
            return false;
        }
    }
    return true;
}

bool looksRunning(const QImage &stopButton)
{
    const QColor face = faceColour(stopButton);
    return face.red() > face.green() + 20;
}

bool looksIdle(const QImage &stopButton)
{
    const QColor face = faceColour(stopButton);
    return face.green() > face.red() + 20;
}

bool focusShown(const QImage &button)
{
    // The rectangle's top row, three pixels in, against the face just below it.
    int dots = 0;
    for (int x = 3; x < button.width() - 3; ++x) {
        dots += button.pixel(x, 3) != button.pixel(x, faceRow);
    }
    return dots >= (button.width() - 6) / 3;
}

bool sunken(const QImage &button)
{
    return qGray(button.pixel(0, button.height() / 2)) < 128 &&
           qGray(button.pixel(button.width() / 2, 0)) < 128;
}

bool showsText(const QImage &field)
{
    int dark = 0;
    for (int y = 0; y < field.height(); ++y) {
        for (int x = 0; x < field.width(); ++x) {
            dark += qGray(field.pixel(x, y)) < 96;
        }
    }
    return dark > 5;
}

QString describe(const QColor &colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

} // namespace windowreading
