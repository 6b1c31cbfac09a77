#pragma once

#include <QString>
#include <ostream>

// Lets test failures show Qt text as text (and lists of it element by element) instead of
// raw bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
