#pragma once

#include <string>

namespace ponderival::web {

// The files the page is made of besides itself, as its head names them.
inline constexpr const char *moduleScript = "ponderival-module.js";
inline constexpr const char *pageScript = "ponderival.js";
inline constexpr const char *styleSheet = "ponderival.css";
inline constexpr const char *manifestFile = "manifest.webmanifest";

// The policy allows the page's own files only, and WebAssembly's compilation but no eval.
inline constexpr const char *contentSecurityPolicy =
    "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
    "object-src 'none'; base-uri 'none'; form-action 'none'";

// What a page's head brings beside the window: the served site names its files, the page that
// opens from disk carries them inside.
struct PageHead
{
    std::string policy;
    // Icon, manifest and style sheet: links, or a style element.
    std::string resources;
    // The search's module and the page's script, each a complete script element.
    std::string moduleScript;
    std::string pageScript;
};

// The head of the served site: its own files, by name.
[[nodiscard]] PageHead servedHead();

// The page's script is told the ids of the page's own elements through its data attributes.
[[nodiscard]] std::string pageScriptAttributes();

// A page: the window's controls as elements named after them, in the order a reader walks them,
// then the run-time error report and the line the page is left with once it ends.
[[nodiscard]] std::string pageHtml(const PageHead &head);

} // namespace ponderival::web
