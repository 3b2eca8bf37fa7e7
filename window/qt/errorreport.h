#pragma once

#include "runtimeerror.h"

#include <QString>

#include <functional>

class QWidget;

// Tells the user of a run-time error that nothing handled. The window calls it once, with Timer1
// already stopped, and ends the program after it returns; tests put a recorder in its place.
using ErrorReporter = std::function<void(const ponderival::RuntimeError &)>;

// "Errore di run-time '6':" followed by the description on a line of its own.
[[nodiscard]] QString runtimeErrorText(const ponderival::RuntimeError &error);

// A modal message box with one button; returns when the user has acknowledged it.
void showRuntimeErrorMessage(QWidget *parent, const ponderival::RuntimeError &error);
