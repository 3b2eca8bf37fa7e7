#pragma once

#include <string>

namespace ponderival::web {

// ponderival.css: the window's places, colours and fonts from its description, the buttons drawn
// with the described edges, and the page around the window.
[[nodiscard]] std::string pageCss();

} // namespace ponderival::web
