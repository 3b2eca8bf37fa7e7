#pragma once

#include <string_view>

// What the window's model asks of the page's script (ponderival.js), which owns the elements,
// Timer1 and the end of the program. Controls are named as in the window's description, which the
// page also uses for their ids. The script lends the module these functions:
//   showText(control, text), setCaption(control, caption), setFace(control, face, focus colour);
//   say(message, follow-up), spoken through the live region; nameField(control, name), the name a
//   screen reader reads a seen field by; reportError(text), the modal report, after which end()
//   ends the program only once the user has acknowledged it.
namespace ponderival::web::page {

// Calls the script's function of that name with up to three texts.
void call(std::string_view function, std::string_view first = {}, std::string_view second = {},
          std::string_view third = {});
void setTimer(bool enabled, int intervalMilliseconds);

} // namespace ponderival::web::page
