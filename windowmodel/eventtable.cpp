#include "eventtable.h"

namespace ponderival {

void cmdEsc_Click(Panel &panel)
{
    panel.unloadWindow();
}

} // namespace ponderival
