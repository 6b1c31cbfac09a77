#pragma once

#include <QFont>

// The desktop's own face at the given size, unless a face as narrow as the ones the
// fixed layouts were drawn with is present (Tahoma first, then its metric twins).
QFont narrowFont(qreal pointSize);

// The windows' fixed geometry was laid out for a small bitmap dialog font. Desktops
// often default to 10 or 11 points of a wide face, which cuts captions off at the
// designed control widths, so the fixed-layout windows use a narrow face at a size
// that fits every caption they hold.
QFont dialogFont();
