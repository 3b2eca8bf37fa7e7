#pragma once

class QTimer;
class QWidget;

namespace ponderival::qt {

class Announcer;
class FormControls;

// The window's own accessible interfaces: the table's fields read with their headings, the window
// with its status area, and the status area's notifications. Installed once, before the first
// window is built.
void installAccessibleInterfaces();

// Names the fields after their headings and gives the window an Announcer, which tells a screen
// reader of each change of the run and paces the fields' events. The window owns it.
Announcer *attachAnnouncer(QWidget &window, const FormControls &controls, const QTimer &timer1);

} // namespace ponderival::qt
