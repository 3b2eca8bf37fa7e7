#pragma once

#include "frmponderivaldescription.h"
#include "windowpicture.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Reading the window's state back from pictures of it, as a user reads it from the screen.
namespace windowreading {

namespace form = ponderival::form;

// A control's place in the window, in pixels at 96 dpi, from the window's description.
[[nodiscard]] constexpr QRect placeOf(std::string_view name)
{
    const form::Twips place = form::findControl(name).value().place;
    return {form::pixels(place.left), form::pixels(place.top), form::pixels(place.width),
            form::pixels(place.height)};
}

inline constexpr QRect cmdStop = placeOf("cmdStop");
inline constexpr QRect cmdEsc = placeOf("cmdEsc");
inline constexpr QRect lblCase = placeOf("lblCase");

// The described colours of the buttons: cmdStop Idle and Running, cmdEsc always.
inline const QColor idleGreen = windowtest::fromLowByteRed(form::stopIdleLook.background.value);
inline const QColor runningPink =
    windowtest::fromLowByteRed(form::stopRunningLook.background.value);
inline const QColor escCyan =
    windowtest::fromLowByteRed(form::findControl("cmdEsc").value().background.value);

// The face's top row lies below the two-pixel edge and the focus rectangle drawn inside it.
inline constexpr int faceRow = 5;

// The colour at the top middle of a button's face, clear of its edge, focus rectangle and text.
[[nodiscard]] inline QColor faceColour(const QImage &button)
{
    return button.pixelColor(button.width() / 2, faceRow);
}

// True when the face's whole top row, edge to edge inside the focus rectangle, is the colour.
[[nodiscard]] inline bool faceIs(const QImage &button, const QColor &colour)
{
    for (int x = faceRow; x < button.width() - faceRow; ++x) {
        if (button.pixelColor(x, faceRow) != colour) {
            return false;
        }
    }
    return true;
}

// cmdStop's run look, told by its hue alone so that a tinted face still reads.
[[nodiscard]] inline bool looksRunning(const QImage &stopButton)
{
    const QColor face = faceColour(stopButton);
    return face.red() > face.green() + 20;
}

[[nodiscard]] inline bool looksIdle(const QImage &stopButton)
{
    const QColor face = faceColour(stopButton);
    return face.green() > face.red() + 20;
}

// The dotted focus rectangle inside a button: its top row, three pixels in, against the face
// just below it.
[[nodiscard]] inline bool focusShown(const QImage &button)
{
    int dots = 0;
    for (int x = 3; x < button.width() - 3; ++x) {
        dots += button.pixel(x, 3) != button.pixel(x, faceRow);
    }
    return dots >= (button.width() - 6) / 3;
}

// A pressed button's edge: dark along the top and left.
[[nodiscard]] inline bool sunken(const QImage &button)
{
    return qGray(button.pixel(0, button.height() / 2)) < 128 &&
           qGray(button.pixel(button.width() / 2, 0)) < 128;
}

// Whether a field shows any text, dark on its light background.
[[nodiscard]] inline bool showsText(const QImage &field)
{
    int dark = 0;
    for (int y = 0; y < field.height(); ++y) {
        for (int x = 0; x < field.width(); ++x) {
            dark += qGray(field.pixel(x, y)) < 96;
        }
    }
    return dark > 5;
}

[[nodiscard]] inline QString describe(const QColor &colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

} // namespace windowreading
