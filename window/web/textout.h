#pragma once

#include "frmponderivaldescription.h"

#include <string>
#include <string_view>

// Small helpers for the files the page is written as: HTML and CSS.
namespace ponderival::web {

// Text for an HTML element or a double-quoted attribute.
[[nodiscard]] inline std::string html(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// CSS pixels are pixels at 96 dpi, 15 twips each, whatever the screen: the browser scales them.
[[nodiscard]] inline std::string px(int twips)
{
    return std::to_string(form::pixels(twips)) + "px";
}

} // namespace ponderival::web
