#pragma once

#include "runtimeerror.h"

class QWidget;

namespace ponderival::qt {

// A modal message box with one button; returns when the user has acknowledged it.
void showRuntimeErrorMessage(QWidget *parent, const RuntimeError &error);

} // namespace ponderival::qt
