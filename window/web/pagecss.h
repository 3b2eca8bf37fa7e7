#pragma once

#include <functional>
#include <string>

namespace ponderival::web {

// ponderival.css: the window's places, colours and fonts from its description, the buttons drawn
// with the described edges, and the page around the window. fontUrl gives where the page finds
// each cut-down font file ("fonts/LiberationSans-Bold.woff2").
[[nodiscard]] std::string pageCss(const std::function<std::string(const std::string &)> &fontUrl);

} // namespace ponderival::web
