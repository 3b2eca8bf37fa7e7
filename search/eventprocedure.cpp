#include "eventprocedure.h"

#include <exception>

namespace ponderival {

std::optional<RuntimeError> runEventProcedure(void (*procedure)(Panel &), Panel &panel)
{
    try {
        procedure(panel);
    } catch (const RuntimeError &error) {
        return error;
    } catch (const std::exception &) {
        return RuntimeError::internal();
    }
    return std::nullopt;
}

} // namespace ponderival
