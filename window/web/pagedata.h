#pragma once

#include <string>

namespace ponderival::web {

// manifest.webmanifest: what a browser needs to install the page as a program of its own.
[[nodiscard]] std::string manifestJson();

// The window's description in its one JSON form, with the page's own facts under "web" (its
// module's file and each web font with the characters drawn in it), for the build's font step
// and the page's tests, so that none of them keeps a copy of a text, place or colour.
[[nodiscard]] std::string descriptionJson();

} // namespace ponderival::web
