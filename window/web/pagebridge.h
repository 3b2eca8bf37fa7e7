#pragma once

#include <string_view>

// What the window's model asks of the page's script (ponderival.js), which owns the elements,
// Timer1 and the end of the program. Controls are named as in the window's description, which the
// page also uses for their ids.
namespace ponderival::web::page {

void showText(std::string_view control, std::string_view text);
void setCaption(std::string_view control, std::string_view caption);
// The button's face and the colour its focus rectangle is drawn in on it.
void setFace(std::string_view control, std::string_view face, std::string_view focus);
void setTimer(bool enabled, int intervalMilliseconds);
// Spoken through the page's live region, the follow-up after the message.
void say(std::string_view message, std::string_view followUp);
// The name a screen reader reads a seen field by.
void nameField(std::string_view control, std::string_view name);
// Shows the modal report; the page ends the program only once the user has acknowledged it.
void reportError(std::string_view text);
void end();

} // namespace ponderival::web::page
