#pragma once

#include "panel.h"
#include "runtimeerror.h"

#include <optional>

namespace ponderival {

// Runs the procedure of one event to its end. The run-time error that ends it comes back as a
// value, so that no exception ever crosses the window system's event loop; any other failure
// comes back as the internal error.
[[nodiscard]] std::optional<RuntimeError> runEventProcedure(void (*procedure)(Panel &),
                                                            Panel &panel);

} // namespace ponderival
