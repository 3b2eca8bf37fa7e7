#pragma once

namespace ponderival::qt {

// The window's own accessible interfaces: the table's fields read with their headings, the window
// with its status area, and the status area's notifications. Installed once, before the first
// window is built.
void installAccessibleInterfaces();

} // namespace ponderival::qt
