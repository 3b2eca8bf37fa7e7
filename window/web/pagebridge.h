#pragma once

#include "colour.h"

#include <string_view>

// What the search asks of the page's script (ponderival.js), which owns the elements, Timer1 and
// the end of the program. Controls are named as in the window's description, which the page also
// uses for their ids.
namespace ponderival::web::page {

void showText(std::string_view control, std::string_view text);
void setCaption(std::string_view control, std::string_view caption);
void setFace(std::string_view control, Colour face);
// Starting a running timer leaves its period as it is.
void setTimer(bool enabled, int intervalMilliseconds);
// After each event that ended well, once its texts are on show: a screen reader is told here.
void eventHandled();
// Shows the modal report; the page ends the program only once the user has acknowledged it.
void reportError(std::string_view text);
void end();

} // namespace ponderival::web::page
