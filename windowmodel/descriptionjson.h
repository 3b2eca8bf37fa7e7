#pragma once

#include "jsonwriter.h"

#include <string>

namespace ponderival::form {

// The window's description as JSON, the one form in which tests, benchmarks, scripts and the page's
// build read it (places in pixels at 96 dpi). A caller may add members before taking the object.
[[nodiscard]] JsonWriter descriptionMembers();

// The page's own elements, each id under its key.
[[nodiscard]] std::string pageIdsJson();

[[nodiscard]] inline std::string descriptionJson()
{
    return descriptionMembers().object() + "\n";
}

} // namespace ponderival::form
