#pragma once

#include "frmponderivaldescription.h"

#include <string>
#include <vector>

namespace ponderival::web {

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
    [[nodiscard]] std::string sourceFile() const { return stem() + ".ttf"; }
    [[nodiscard]] std::string webFile() const { return "fonts/" + stem() + ".woff2"; }
};

// Every text the page draws: the window's, cmdStop's other caption and the page's own.
[[nodiscard]] std::vector<WebFont> webFonts();

// "font: 700 12pt "MS Sans Serif", "Liberation Sans"" for CSS.
[[nodiscard]] std::string cssFont(const form::Font &font);

} // namespace ponderival::web
