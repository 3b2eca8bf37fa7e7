#pragma once

#include "pagehtml.h"

#include <string>

namespace ponderival::web {

// The page as one file that opens from disk with no server: its style sheet, scripts, icon, fonts
// and WebAssembly inside it, allowed by their hashes in its policy. Its manifest and service worker
// are left out: a page from disk can use neither.
//
// The writer cannot read the built files (the module is built after it runs), so it leaves slots,
// here and in the served index.html, that site.py fills once they exist, each written
// @@kind:argument@@, a FILE being the one beside the templates or else the site's:
//   @@data:MIME:FILE@@  a file as a data URL;  @@base64:FILE@@  a file in base64;
//   @@script:FILE@@  a file's text as an inline script;  @@style:FILE@@  a file as an inline
//   style, its own slots filled first;  @@hashes:script@@ and @@hashes:style@@  the policy's
//   hashes of what the other slots put inline.
inline constexpr const char *singleStyleSheet = "ponderival.css";

[[nodiscard]] PageHead singleHead();

// The single page's style sheet, which finds its fonts through slots.
[[nodiscard]] std::string singleCss();

} // namespace ponderival::web
