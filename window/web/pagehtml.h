#pragma once

#include <string>

namespace ponderival::web {

// The files the page is made of besides itself, as its head names them; the page's script goes
// inline from its file.
inline constexpr const char *moduleScript = "ponderival-module.js";
inline constexpr const char *pageScript = "ponderival.js";
inline constexpr const char *styleSheet = "ponderival.css";
inline constexpr const char *manifestFile = "manifest.webmanifest";

// The policy allows the page's own files only, its own script inline by its hash (a slot that
// site.py fills, singlepage.h), and WebAssembly's compilation but no eval.
inline constexpr const char *contentSecurityPolicy =
    "default-src 'self'; script-src 'self' @@hashes:script@@ 'wasm-unsafe-eval'; "
    "style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'";

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

// The head of the served site: its own files, by name, but for the page's script, which is inline:
// the window takes clicks and keys from its first paint, with no file to wait for.
[[nodiscard]] PageHead servedHead();

// The page's script inline, from a slot, told the ids of the page's own elements through its data
// attributes.
[[nodiscard]] std::string pageScriptElement();

// A page: the window's controls as elements named after them, in the order a reader walks them,
// then the run-time error report, what is left when the search cannot start, and the line the page
// is left with once it ends.
[[nodiscard]] std::string pageHtml(const PageHead &head);

} // namespace ponderival::web
