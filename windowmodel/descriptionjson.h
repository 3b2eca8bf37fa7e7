#pragma once

#include "jsonwriter.h"

#include <string>

namespace ponderival::form {

// The window's description as JSON, the one form in which tests, benchmarks, scripts and the page's
// build read it: the window, every control in tab order (places in pixels at 96 dpi, a field's
// "heading" the name of the label that heads its column), cmdStop's looks, the colours, Timer1,
// the faces and their substitutes, the page's own texts and ids, and the error report's texts.
// Members are added in that order; a caller may add its own before taking the object.
[[nodiscard]] JsonWriter descriptionMembers();

// The page's own elements, each id under its key.
[[nodiscard]] std::string pageIdsJson();

[[nodiscard]] inline std::string descriptionJson()
{
    return descriptionMembers().object() + "\n";
}

} // namespace ponderival::form
