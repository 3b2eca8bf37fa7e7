#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Reading the window's state back from pictures of it, as a user reads it from the screen.
namespace windowreading {

// Places in the window, in pixels at 96 dpi, from the window's description.
inline constexpr QRect cmdStop{80, 128, 65, 41};
inline constexpr QRect cmdEsc{176, 128, 65, 41};
inline constexpr QRect lblCase{224, 88, 65, 25};

// The described colours of the buttons: cmdStop Idle and Running, cmdEsc always.
inline const QColor idleGreen(192, 255, 192);
inline const QColor runningPink(255, 192, 192);
inline const QColor escCyan(192, 255, 255);

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
// How many pixels differ by more than a tolerance in any channel.
[[nodiscard]] qsizetype differingPixels(const QImage &a, const QImage &b, int channelTolerance);
[[nodiscard]] QString describe(const QColor &colour);

} // namespace windowreading
