#pragma once

#include "frmponderivaldescription.h"

#include <array>
#include <string>
#include <vector>

// The program that writes the page's files from the window's description (writepage.cpp). It
// runs before the module is built and cannot read it, so it leaves slots, "@@kind:argument@@",
// that site.py fills once the files exist.
namespace ponderival::web {

// The files the page is made of besides itself, as its head names them.
inline constexpr std::string_view moduleName = "ponderival-module";
inline constexpr const char *styleSheet = "ponderival.css";
inline constexpr const char *manifestFile = "manifest.webmanifest";
// The sizes an installed page needs, drawn by resources/icons/make_icons.py beside the others.
inline constexpr std::array webIconSizes{192, 512};

[[nodiscard]] inline std::string iconFile(int size)
{
    return "icons/ponderival-" + std::to_string(size) + ".png";
}

// One face and weight that the page draws text in, with the characters it draws in it. Where the
// system lacks both the described face and its substitute, the page brings the substitute as a
// web font cut down to those characters.
struct WebFont
{
    const form::Face *face;
    bool bold;
    std::string text;

    // The CSS weight and the file names, after Debian's fonts-liberation2: "LiberationSans-Bold".
    [[nodiscard]] int weight() const { return bold ? 700 : 400; }
    [[nodiscard]] std::string stem() const;
    [[nodiscard]] std::string webFile() const { return "fonts/" + stem() + ".woff2"; }
};

[[nodiscard]] std::vector<WebFont> webFonts();

// The served site, which names its files, and the page as one file that opens from disk with no
// server, which carries them inside.
enum class Page { Served, Single };

// The page's HTML, and its style sheet: the window's places, colours and fonts.
[[nodiscard]] std::string pageHtml(Page page);
[[nodiscard]] std::string pageCss(Page page);

} // namespace ponderival::web
