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

// The colour at the top middle of a button's face, clear of its edge, focus rectangle and text.
[[nodiscard]] QColor faceColour(const QImage &button);
// True when the face's whole top row, edge to edge inside the focus rectangle, is the colour.
[[nodiscard]] bool faceIs(const QImage &button, const QColor &colour);
// cmdStop's run look, told by its hue alone so that a tinted face still reads.
[[nodiscard]] bool looksRunning(const QImage &stopButton);
[[nodiscard]] bool looksIdle(const QImage &stopButton);
// The dotted focus rectangle inside a button.
[[nodiscard]] bool focusShown(const QImage &button);
// A pressed button's edge: dark along the top and left.
[[nodiscard]] bool sunken(const QImage &button);
// Whether a field shows any text, dark on its light background.
[[nodiscard]] bool showsText(const QImage &field);
[[nodiscard]] QString describe(const QColor &colour);

} // namespace windowreading
