#pragma once

#include <QByteArray>
#include <QString>

// The SetSweep page: a script that lays out the product pictures of a run of set
// numbers, with the two typed values written in as script variables.
namespace setsweep {

// Where the page's heading and pictures point. Kept here so a change of address is
// one edit.
inline constexpr char kLegoSiteDomain[] = "LEGO.com";
inline constexpr char kProductImageHost[] = "cache.lego.com";

// The value with its leading and trailing U+0020 blanks removed; tabs and other white
// space are part of what the user typed and stay.
QString trimBlanks(const QString& value);

// The page file's bytes: 34 lines, each ending in CR LF. The values are trimmed of
// blanks and otherwise written as typed, in Latin-1; a character Latin-1 cannot hold
// becomes one '?'.
QByteArray pageBytes(const QString& rangeStart, const QString& setCount);

}  // namespace setsweep
