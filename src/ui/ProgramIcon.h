#pragma once

#include <QIcon>

// The program's icon, 16 and 32 pixels, worn by every window but SetSweep.
QIcon programIcon();
