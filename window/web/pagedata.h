#pragma once

#include <string>

namespace ponderival::web {

// manifest.webmanifest: what a browser needs to install the page as a program of its own.
[[nodiscard]] std::string manifestJson();

// The window's description as JSON, for the build's font step, the single-file page and the page's
// tests, so that none of them keeps a copy of a text, place or colour.
[[nodiscard]] std::string descriptionJson();

} // namespace ponderival::web
