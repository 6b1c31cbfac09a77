#pragma once

#include <QFont>

// The windows' fixed geometry was laid out for an 8 point dialog font. Desktops often
// default to 10 or 11 points, which cuts captions off at the designed control widths,
// so the fixed-layout windows keep the desktop's family at the size they were drawn for.
QFont dialogFont();
