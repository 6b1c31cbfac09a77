#pragma once

#include <QIcon>
#include <QImage>

// The program's icon, 16 and 32 pixels, worn by every window but SetSweep.
QIcon programIcon();

// The same picture drawn afresh at any size, for the desktop's icon theme.
QImage programIconImage(int size);
