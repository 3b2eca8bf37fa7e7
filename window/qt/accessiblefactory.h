#pragma once

class QWidget;

// The window's own accessible interfaces: the value fields read with their headings, the window
// with its status area, and the status area that carries the spoken messages. Installed before
// the window is built, since Qt keeps the first interface it makes for an object.
void installAccessibleFactory();

// Gives the window an Announcer, which speaks the run's changes and paces the fields' events.
void attachAnnouncer(QWidget &window);

// Leaves Qt's own accessibility alone for the windows made afterwards. Only a benchmark calls it,
// to measure what a screen reader costs without the window's pacing; the program never does.
void keepQtAccessibility();
