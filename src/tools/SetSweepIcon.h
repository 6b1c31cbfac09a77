#pragma once

#include <QIcon>

// SetSweep's own icon, 16 and 32 pixels: set apart from the program icon so the
// tool's window is told apart from the others in the task bar.
QIcon setSweepIcon();
